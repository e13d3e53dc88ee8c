#include "support/TestSupport.h"

#include "calculator/ui/CalculatorWindow.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/MainWindow.h"
#include "reminders/ui/ReminderWindow.h"
#include "reminders/ui/SoundPlayer.h"
#include "session/ui/LogonWindow.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QRadioButton>

using namespace orv;
using namespace orv::test;

namespace {

bool isInputControl(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QPushButton*>(w) ||
           qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
}

// Parts of a composite control (the line of an editable combo box, the buttons
// of a calendar) are named by the control that holds them.
bool insideComposite(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QCalendarWidget*>(p)) {
            return true;
        }
    }
    return false;
}

QString withoutMarks(QString text) {
    return text.remove(QLatin1Char('&')).remove(QLatin1Char(':')).simplified();
}

// Every control a screen reader or an outside test must find, described by the
// name it is known by, with what is wrong with it.
QStringList unnamedControls(const QWidget* top) {
    QStringList faults;
    QHash<const QWidget*, QString> labelOf;
    for (const QLabel* label : top->findChildren<QLabel*>()) {
        if (label->buddy()) {
            labelOf.insert(label->buddy(), withoutMarks(label->text()));
        }
    }
    for (const QWidget* w : top->findChildren<QWidget*>()) {
        if (!isInputControl(w) || insideComposite(w, top)) {
            continue;
        }
        const QString id = w->objectName().isEmpty()
                               ? QStringLiteral("%1 in %2")
                                     .arg(QLatin1String(w->metaObject()->className()),
                                          w->parentWidget()->objectName())
                               : w->objectName();
        if (w->accessibleName().trimmed().isEmpty()) {
            faults << id + QStringLiteral(": no name");
            continue;
        }
        if (labelOf.contains(w) && !labelOf.value(w).isEmpty() &&
            w->accessibleName() != labelOf.value(w)) {
            faults << id + QStringLiteral(": '%1' is not its label '%2'")
                               .arg(w->accessibleName(), labelOf.value(w));
        }
    }
    return faults;
}

} // namespace

// Screen readers and tests driven from outside the process find every text box
// and button by its accessible name: the text of its label or caption.
TEST(AccessibleNames, EveryBoxAndButtonOfTheProgramHasItsName) {
    {
        LogonWindow logon;
        logon.show();
        EXPECT_EQ(unnamedControls(&logon), QStringList());
    }

    TestApp app;
    app.logOn(app.addUser(QStringLiteral("ANA"), {}, panel::Compromissos));
    MainWindow window(app.ctx);
    window.show();
    window.loadSequence();
    // Every panel in turn, then the settings page; hidden editor frames are
    // checked too, so a frame opened later cannot hide an unnamed box.
    for (const auto& info : panelTable()) {
        if (info.name != panel::Configuracao) {
            window.pressPanel(info.name);
            ASSERT_TRUE(window.panelFrame(info.name)->isVisible()) << info.name.toStdString();
        }
    }
    window.openSettings();
    EXPECT_TRUE(window.settingsPage()->isVisible());
    EXPECT_EQ(unnamedControls(&window), QStringList());

    // The windows beside the main window.
    SoundPlayer silent;
    ReminderWindow reminder(app.ctx, silent);
    EXPECT_EQ(unnamedControls(&reminder), QStringList());
    CalculatorWindow calculator(app.ctx);
    EXPECT_EQ(unnamedControls(&calculator), QStringList());
}
