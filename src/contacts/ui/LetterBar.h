#pragma once

#include <QFrame>
#include <array>

class QPushButton;

namespace orv::contacts {

// frmLetras: the 26 letter buttons of the address book ("0-9", "A" ... "W",
// "X/Y", "Z"), all named cmdLetra with their index in the property "index".
// One of them at a time carries the highlight colour.
class LetterBar : public QFrame {
    Q_OBJECT
public:
    explicit LetterBar(QWidget* parent = nullptr);

    static QColor normalColour();
    static QColor highlightColour();

    QPushButton* button(int index) const { return cmdLetra.at(static_cast<std::size_t>(index)); }
    // Gives the button the highlight colour, or its normal colour back.
    void setHighlighted(int index, bool on);

    std::array<QPushButton*, 26> cmdLetra{};

Q_SIGNALS:
    void letterClicked(int index);
};

} // namespace orv::contacts
