#pragma once

#include <QAbstractButton>
#include <QColor>

namespace orv {

// One key of the calculator's keypad: a rounded key face with its caption,
// drawn by the program itself. Clicking it does not take the keyboard focus
// from the display; Tab still reaches it and Space presses it.
class KeypadKey : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Digit, Operation, Function, Memory };

    KeypadKey(const QString& name, const QString& caption, Kind kind, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {40, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor faceColor() const;

    Kind kind_;
};

} // namespace orv
