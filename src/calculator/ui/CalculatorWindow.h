#pragma once

#include "calculator/Calculator.h"

#include <QAbstractButton>
#include <QFrame>
#include <QPointer>

class QLabel;
class QLineEdit;

namespace orv {

class AppContext;
class KeypadKey;

// frmCalculadora: the pocket calculator beside the main window. The display
// takes the keyboard, the keypad takes clicks; the arithmetic and its state
// live in Calculator, kept for the whole run and forgotten when a session ends.
class CalculatorWindow : public QFrame {
    Q_OBJECT
public:
    explicit CalculatorWindow(AppContext& ctx, QWidget* parent = nullptr);

    // cmdCalculadora: shows the calculator with the focus in its display, or
    // hides it; the button's tool tip tells what the next click does. Does
    // nothing while a new user is being created.
    void toggle(QAbstractButton* button);

    const Calculator& calculator() const { return calc_; }

    QLineEdit* txtCalculadora = nullptr;
    QLabel* lblMemoria = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The button's tool tip tells what its next click does, however the
    // window was shown or closed.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildKeypad();
    // Runs a keypad action, then shows the result with the focus in the display.
    template <typename Action> void onClick(KeypadKey* key, Action action);
    // A key pressed in the display, as its character code; `text` is what the
    // box would type for it.
    bool handleKey(int code, const QString& text);
    void refresh();

    AppContext& ctx_;
    Calculator calc_;
    QPointer<QAbstractButton> button_;
    bool placed_ = false;
    bool reopen_ = false; // open when the main window was hidden
};

} // namespace orv
