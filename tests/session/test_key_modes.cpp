#include "support/TestSupport.h"

#include "session/KeyFilter.h"
#include "session/ui/BoxLimit.h"
#include "session/ui/KeyMode.h"
#include "session/ui/Program.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

using namespace orv;

// A full box refuses what does not fit; a paste keeps what fits, never half a
// character (an emoji, a family joined by zero-width joiners, an accent).
TEST(KeyModes, FullBoxesRefuseAndNeverSplitACharacter) {
    const QString family = QStringLiteral("👨‍👩‍👧"); // 8 units
    const struct {
        const char* before;
        int caret;
        QString added;
        const char* after;
        int caretAfter;
    } cases[] = {
        {"abcdef", 2, "x", "abcdef", 2},     // typed into a full box
        {"abcd", 2, "xyz", "abxycd", 4},     // pasted in the middle: the end stays
        {"abcd", 0, "😀😀", "😀abcd", 2},       // the first emoji fits, the second not
        {"abcde", 5, "😀", "abcde", 5},       // one unit left: the emoji stays out
        {"", 0, "a" + family, "a", 1},       // the family goes whole or not at all
        {"abcde", 5, "e\u0301", "abcde", 5}, // a letter goes with its accent
    };
    QGuiApplication::clipboard()->clear();
    for (const auto& c : cases) {
        QLineEdit line(QString::fromUtf8(c.before));
        limitLength(&line, 6);
        line.setCursorPosition(c.caret);
        QPlainTextEdit area(QString::fromUtf8(c.before));
        limitLength(&area, 6);
        QTextCursor caret = area.textCursor();
        caret.setPosition(c.caret);
        area.setTextCursor(caret);
        for (QWidget* box : {static_cast<QWidget*>(&line), static_cast<QWidget*>(&area)}) {
            QGuiApplication::clipboard()->setText(c.added);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(line.text(), QString::fromUtf8(c.after))
            << c.before << " + " << c.added.toStdString();
        EXPECT_EQ(line.cursorPosition(), c.caretAfter) << c.before;
        EXPECT_EQ(area.toPlainText(), QString::fromUtf8(c.after)) << c.before;
        EXPECT_EQ(area.textCursor().position(), c.caretAfter) << c.before;
    }

    // The login box: pasted text is filtered and in capitals like typed text.
    QLineEdit login;
    applyKeyMode(&login, KeyMode::UpperText);
    QGuiApplication::clipboard()->setText(QStringLiteral("joão d'ávila"));
    QTest::keyClick(&login, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(login.text(), QStringLiteral("JOÃO DÁVILA"));
}

TEST(KeyModes, QtsOwnTextsSpeakPortuguese) {
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList actions;
    for (const QAction* a : menu->actions()) {
        actions << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    }
    EXPECT_TRUE(actions.contains(QStringLiteral("Colar"))) << actions.join(' ').toStdString();
}
