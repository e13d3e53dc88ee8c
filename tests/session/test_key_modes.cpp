#include "support/TestSupport.h"

#include "session/KeyFilter.h"
#include "session/ui/KeyMode.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::typeText;

TEST(KeyModes, TheRealBoxesFilterWhatIsTyped) {
    const struct {
        KeyMode mode;
        QString typed, shown;
    } cases[] = {
        {KeyMode::Text, "d'água", "dágua"},
        {KeyMode::UpperText, "joão", "JOÃO"},
        {KeyMode::Numeric, "12a,5.0-", "125.0-"},
        {KeyMode::Phone, "(11) 5555-1234", "(11)5555-1234"},
        {KeyMode::Date, "25/12/2026x", "25/12/2026"},
        {KeyMode::Time, "0830", "08:30"},
        {KeyMode::Time, "a9b", "9"},              // letters never start a time
        {KeyMode::Amount, "3500,50x", "3500.50"}, // the decimal comma is the point it stands for
    };
    for (const auto& c : cases) {
        QLineEdit box;
        applyKeyMode(&box, c.mode);
        typeText(&box, c.typed);
        EXPECT_EQ(box.text(), c.shown) << c.typed.toStdString();
    }

    QLineEdit time;
    applyKeyMode(&time, KeyMode::Time);
    typeText(&time, QStringLiteral("08"));
    time.selectAll();
    typeText(&time, QStringLiteral("x"));
    EXPECT_EQ(time.text(), QStringLiteral("x")) << "a selection lets any key through";

    QPlainTextEdit notes;
    applyKeyMode(&notes, KeyMode::MultilineText);
    typeText(&notes, QStringLiteral("a"));
    QTest::keyClick(&notes, Qt::Key_Return);
    typeText(&notes, QStringLiteral("b'"));
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("a\nb"));
}
