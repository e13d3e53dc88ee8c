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
    QLineEdit text, upper, numeric, phone, date, time;
    applyKeyMode(&text, KeyMode::Text);
    applyKeyMode(&upper, KeyMode::UpperText);
    applyKeyMode(&numeric, KeyMode::Numeric);
    applyKeyMode(&phone, KeyMode::Phone);
    applyKeyMode(&date, KeyMode::Date);
    applyKeyMode(&time, KeyMode::Time);

    typeText(&text, QStringLiteral("d'água"));
    EXPECT_EQ(text.text(), QStringLiteral("dágua"));
    typeText(&upper, QStringLiteral("joão"));
    EXPECT_EQ(upper.text(), QStringLiteral("JOÃO"));
    typeText(&numeric, QStringLiteral("12a,5.0-"));
    EXPECT_EQ(numeric.text(), QStringLiteral("125.0-"));
    typeText(&phone, QStringLiteral("(11) 5555-1234"));
    EXPECT_EQ(phone.text(), QStringLiteral("(11)5555-1234"));
    typeText(&date, QStringLiteral("25/12/2026x"));
    EXPECT_EQ(date.text(), QStringLiteral("25/12/2026"));

    typeText(&time, QStringLiteral("0830"));
    EXPECT_EQ(time.text(), QStringLiteral("08:30"));
    time.selectAll();
    typeText(&time, QStringLiteral("x"));
    EXPECT_EQ(time.text(), QStringLiteral("x")) << "a selection lets any key through";
    time.clear();
    typeText(&time, QStringLiteral("a9b"));
    EXPECT_EQ(time.text(), QStringLiteral("9")) << "letters never start a time";

    // In an amount box the Brazilian decimal comma is the point it stands for.
    QLineEdit amount;
    applyKeyMode(&amount, KeyMode::Amount);
    typeText(&amount, QStringLiteral("3500,50x"));
    EXPECT_EQ(amount.text(), QStringLiteral("3500.50"));

    QPlainTextEdit notes;
    applyKeyMode(&notes, KeyMode::MultilineText);
    typeText(&notes, QStringLiteral("a"));
    QTest::keyClick(&notes, Qt::Key_Return);
    typeText(&notes, QStringLiteral("b'"));
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("a\nb"));
}
