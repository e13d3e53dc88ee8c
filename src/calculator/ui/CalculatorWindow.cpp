#include "calculator/ui/CalculatorWindow.h"

#include "calculator/ui/KeypadKey.h"
#include "mainwindow/ui/Fonts.h"
#include "session/AppContext.h"
#include "session/KeyFilter.h"

#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orv {

namespace {

// The character code of a key press as the calculator's keyboard map reads it.
// The comma of a Brazilian keyboard and the keypad's decimal key are the
// decimal point: they type the locale's decimal separator.
int keyCode(const QKeyEvent* press, QChar separator) {
    const int key = press->key();
    const QString text = press->text();
    const bool keypadDecimal = (press->modifiers() & Qt::KeypadModifier) &&
                               (key == Qt::Key_Period || key == Qt::Key_Comma);
    if (keypadDecimal || text == QLatin1String(",")) {
        return separator.unicode();
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keys::Enter;
    case Qt::Key_Backspace:
        return keys::Backspace;
    case Qt::Key_Escape:
        return keys::Escape;
    default:
        return text.size() == 1 ? text.at(0).unicode() : 0;
    }
}

struct KeyDef {
    const char* name;
    const char* caption;
    KeypadKey::Kind kind;
    int row;
    int column;
};

} // namespace

CalculatorWindow::CalculatorWindow(AppContext& ctx, QWidget* parent)
    : QFrame(parent, Qt::Tool), ctx_(ctx) {
    setObjectName(QStringLiteral("frmCalculadora"));
    setWindowTitle(QStringLiteral("Calculadora"));
    setFrameShape(QFrame::StyledPanel);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);
    column->setSizeConstraint(QLayout::SetFixedSize);

    auto* displayRow = new QHBoxLayout;
    lblMemoria = new QLabel(QStringLiteral("M"), this);
    lblMemoria->setObjectName(QStringLiteral("lblMemoria"));
    lblMemoria->setFixedWidth(14);
    lblMemoria->setFont(arial(8, true));
    txtCalculadora = new QLineEdit(this);
    txtCalculadora->setObjectName(QStringLiteral("txtCalculadora"));
    txtCalculadora->setAlignment(Qt::AlignRight);
    txtCalculadora->setAccessibleName(QStringLiteral("Visor da Calculadora"));
    txtCalculadora->setFont(designFont(QStringLiteral("Courier New"), 12, true));
    txtCalculadora->installEventFilter(this);
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
    connect(txtCalculadora, &QLineEdit::textEdited, this,
            [this](const QString& text) { calc_.setDisplay(text); });
    displayRow->addWidget(lblMemoria);
    displayRow->addWidget(txtCalculadora);
    column->addLayout(displayRow);

    buildKeypad();
    refresh();

    // Ending a session puts the calculator away and forgets its numbers, the
    // memory included.
    ctx_.resets.add(this, [this] {
        calc_.reset();
        refresh();
        reopen_ = false;
        hide();
    });
}

template <typename Action> void CalculatorWindow::onClick(KeypadKey* key, Action action) {
    connect(key, &KeypadKey::clicked, this, [this, action] {
        action(calc_);
        refresh();
        txtCalculadora->setFocus();
    });
}

void CalculatorWindow::buildKeypad() {
    using K = KeypadKey::Kind;
    static const KeyDef defs[] = {
        {"imgMC", "MC", K::Memory, 0, 0},
        {"imgMR", "MR", K::Memory, 0, 1},
        {"imgMmais", "M+", K::Memory, 0, 2},
        {"imgMmenos", "M-", K::Memory, 0, 3},
        {"imgC", "C", K::Function, 1, 0},
        {"imgCe", "CE", K::Function, 1, 1},
        {"imgPercentual", "%", K::Operation, 1, 2},
        {"imgDivisao", "÷", K::Operation, 1, 3},
        {"imgSete", "7", K::Digit, 2, 0},
        {"imgOito", "8", K::Digit, 2, 1},
        {"imgNove", "9", K::Digit, 2, 2},
        {"imgMultiplicacao", "×", K::Operation, 2, 3},
        {"imgQuatro", "4", K::Digit, 3, 0},
        {"imgCinco", "5", K::Digit, 3, 1},
        {"imgSeis", "6", K::Digit, 3, 2},
        {"imgSubtrair", "−", K::Operation, 3, 3},
        {"imgHum", "1", K::Digit, 4, 0},
        {"imgDois", "2", K::Digit, 4, 1},
        {"imgTres", "3", K::Digit, 4, 2},
        {"imgSomar", "+", K::Operation, 4, 3},
        {"imgZero", "0", K::Digit, 5, 0},
        {"imgPonto", ".", K::Digit, 5, 1},
        {"imgIgual", "=", K::Operation, 5, 2},
    };
    static const QHash<QString, void (Calculator::*)()> actions{
        {QStringLiteral("imgMC"), &Calculator::memoryClear},
        {QStringLiteral("imgMR"), &Calculator::memoryRecall},
        {QStringLiteral("imgMmais"), &Calculator::memoryAdd},
        {QStringLiteral("imgMmenos"), &Calculator::memorySubtract},
        {QStringLiteral("imgC"), &Calculator::clearAll},
        {QStringLiteral("imgCe"), &Calculator::clearEntry},
        {QStringLiteral("imgPercentual"), &Calculator::percent},
        {QStringLiteral("imgDivisao"), &Calculator::divide},
        {QStringLiteral("imgMultiplicacao"), &Calculator::multiply},
        {QStringLiteral("imgSubtrair"), &Calculator::subtract},
        {QStringLiteral("imgSomar"), &Calculator::add},
        {QStringLiteral("imgIgual"), &Calculator::equals},
    };

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    for (const KeyDef& def : defs) {
        const QString name = QString::fromLatin1(def.name);
        auto* k = new KeypadKey(name, QString::fromUtf8(def.caption), def.kind, this);
        // "=" takes the last two cells of its row.
        grid->addWidget(k, def.row, def.column, 1, name == QLatin1String("imgIgual") ? 2 : 1);
        if (def.kind == K::Digit) {
            const QChar typed = QString::fromLatin1(def.caption).at(0);
            onClick(k, [typed](Calculator& calc) { calc.typeCharacter(typed); });
        } else {
            const auto action = actions.value(name);
            onClick(k, [action](Calculator& calc) { (calc.*action)(); });
        }
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void CalculatorWindow::toggle(QAbstractButton* button) {
    if (ctx_.session.newUserMode) {
        return;
    }
    button_ = button;
    if (isVisible()) {
        hide();
        return;
    }
    if (!placed_ && isWindow()) {
        // The first time, just above the button, flush with its right edge.
        placed_ = true;
        adjustSize();
        move(button->mapToGlobal(QPoint(button->width() - width(), -height() - 8)));
    }
    show();
    raise();
    activateWindow();
    txtCalculadora->setFocus();
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (button_) {
        button_->setToolTip(QStringLiteral("Esconder Calculadora"));
    }
}

void CalculatorWindow::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (button_) {
        button_->setToolTip(QStringLiteral("Exibir Calculadora"));
    }
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    // Goes away with the main window and comes back with it.
    if (watched == parentWidget() && isWindow()) {
        if (event->type() == QEvent::Hide && isVisible()) {
            reopen_ = true;
            hide();
        } else if (event->type() == QEvent::Show && reopen_) {
            reopen_ = false;
            show();
        }
        return false;
    }
    if (watched == txtCalculadora && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        return handleKey(keyCode(press, calc_.decimalSeparator()), press->text());
    }
    return QFrame::eventFilter(watched, event);
}

// True when the key is used up here; false lets the display box take it.
bool CalculatorWindow::handleKey(int code, const QString& text) {
    if (code == 0) {
        return false; // arrows, Delete and the like edit the box as usual
    }
    const bool insert = calc_.pressKey(QChar(code));
    if (txtCalculadora->text() != calc_.display()) {
        refresh(); // an action ran, or a new number starts from an empty box
    }
    if (insert && text != QString(QChar(code))) {
        // The key stands for another character (the decimal separator).
        txtCalculadora->insert(QString(QChar(code)));
        calc_.setDisplay(txtCalculadora->text());
        return true;
    }
    return !insert;
}

void CalculatorWindow::refresh() {
    txtCalculadora->setText(calc_.display());
    lblMemoria->setVisible(calc_.memoryVisible());
}

} // namespace orv
