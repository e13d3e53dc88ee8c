#include "calculator/ui/CalculatorWindow.h"
#include "calculator/ui/KeypadKey.h"
#include "mainwindow/ui/MainWindow.h"
#include "session/ui/Shell.h"

#include "support/TestSupport.h"

using namespace orv;

namespace {

struct CalculatorWindowTest : ::testing::Test {
    test::TestApp app;
    QPushButton cmdCalculadora;
    CalculatorWindow window{app.ctx};
    QLineEdit* display = window.findChild<QLineEdit*>("txtCalculadora");
    QLabel* memory = window.findChild<QLabel*>("lblMemoria");

    void SetUp() override {
        ASSERT_NE(display, nullptr);
        ASSERT_NE(memory, nullptr);
        window.toggle(&cmdCalculadora);
    }
    // Clicks the keypad keys named one after another ("imgCinco imgSomar ...").
    void click(const QString& names) {
        for (const QString& name : names.split(u' ', Qt::SkipEmptyParts)) {
            auto* k = window.findChild<KeypadKey*>(name);
            ASSERT_NE(k, nullptr) << name.toStdString();
            QTest::mouseClick(k, Qt::LeftButton);
        }
    }
    std::string shown() const { return display->text().toStdString(); }
};

TEST_F(CalculatorWindowTest, KeyboardInTheDisplayAndTheButtonShowsAndHides) {
    QTest::keyClicks(display, "5+3");
    QTest::keyClick(display, Qt::Key_Return);
    EXPECT_EQ(shown(), "8,00");
    QTest::keyClick(display, Qt::Key_Enter);
    EXPECT_EQ(shown(), "11,00") << "equals repeats the last operation";

    QTest::keyClick(display, Qt::Key_Escape);
    EXPECT_EQ(shown(), "");
    QTest::keyClicks(display, "-1a2'");
    EXPECT_EQ(shown(), "12") << "minus is the subtract key, letters are dropped";
    QTest::keyClick(display, Qt::Key_Home);
    QTest::keyClicks(display, "3");
    EXPECT_EQ(shown(), "312") << "the keyboard types at the caret";
    click("imgQuatro");
    EXPECT_EQ(shown(), "3124") << "the keypad appends at the end";
    QTest::keyClick(display, Qt::Key_Backspace);
    EXPECT_EQ(shown(), "") << "Backspace empties the whole display";

    QTest::keyClicks(display, "8/0");
    QTest::keyClick(display, Qt::Key_Return);
    EXPECT_EQ(display->text(), Calculator::errorText());
    QTest::keyClicks(display, "2.5=");
    EXPECT_EQ(shown(), "2.5") << "'=' is no key; digits replace the error text";
    QTest::keyClick(display, Qt::Key_Escape);
    QTest::keyClicks(display, "2,5*1");
    QTest::keyClick(display, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(display, "5");
    EXPECT_EQ(shown(), "1,5") << "the comma and the keypad's decimal key are the decimal point";
    QTest::keyClick(display, Qt::Key_Return);
    EXPECT_EQ(shown(), "3,75");

    // Shown and hidden with the button.
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(cmdCalculadora.toolTip(), "Esconder Calculadora");
    EXPECT_EQ(window.focusWidget(), display);
    window.toggle(&cmdCalculadora);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cmdCalculadora.toolTip(), "Exibir Calculadora");
    window.toggle(&cmdCalculadora);
    window.close(); // the window's own close
    EXPECT_EQ(cmdCalculadora.toolTip(), "Exibir Calculadora");

    app.ctx.session.newUserMode = true;
    window.toggle(&cmdCalculadora);
    EXPECT_FALSE(window.isVisible()) << "inert while a new user is being created";
}

TEST_F(CalculatorWindowTest, KeypadPercentAndMemory) {
    click("imgDois imgZero imgZero imgSomar imgHum imgZero imgPercentual");
    EXPECT_EQ(shown(), "220,00");
    EXPECT_EQ(window.focusWidget(), display) << "the focus goes back to the display";

    click("imgC imgZero imgMmais");
    EXPECT_TRUE(memory->isHidden()) << "M+ of 0 keeps the M hidden";
    click("imgSete imgMmais imgTres imgMmenos");
    EXPECT_FALSE(memory->isHidden());
    EXPECT_EQ(shown(), "4,00");
    click("imgCe imgMR");
    EXPECT_EQ(shown(), "4,00");
    click("imgSubtrair imgNove imgIgual");
    EXPECT_EQ(shown(), "-5,00");

    // The state lasts for the run: hiding and showing keeps it ...
    window.toggle(&cmdCalculadora);
    window.toggle(&cmdCalculadora);
    EXPECT_EQ(shown(), "-5,00");
    EXPECT_FALSE(memory->isHidden());
    click("imgMC");
    EXPECT_TRUE(memory->isHidden());
    click("imgDois imgMmais");
    // ... and the end of a session forgets all of it.
    app.ctx.resets.runAll();
    EXPECT_EQ(shown(), "");
    EXPECT_TRUE(memory->isHidden());
}

// The calculator as the program opens it: the main window's button.
TEST(CalculatorInTheProgram, OpenedByTheMainWindowAndPutAwayAtLogout) {
    test::TestApp app;
    app.addUser(QStringLiteral("ANA"));
    Shell shell(app.ctx, false);
    shell.start(true);
    MainWindow* main = shell.mainWindow();
    ASSERT_NE(main, nullptr);
    main->cmdCalculadora->click();
    auto* window = main->findChild<CalculatorWindow*>("frmCalculadora");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClicks(window->txtCalculadora, "9+1");
    QTest::keyClick(window->txtCalculadora, Qt::Key_Return);
    EXPECT_EQ(window->txtCalculadora->text(), "10,00");

    // It goes to the notification area and comes back with the main window.
    main->hide();
    EXPECT_FALSE(window->isVisible());
    shell.trayShow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->txtCalculadora->text(), "10,00");

    shell.returnToLogon();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(main->cmdCalculadora->toolTip(), "Exibir Calculadora");
    EXPECT_EQ(window->txtCalculadora->text(), "") << "the next user starts from nothing";
}

} // namespace
