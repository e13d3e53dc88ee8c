#include "contacts/ui/LetterBar.h"

#include "contacts/ContactFilter.h"
#include "mainwindow/ui/Fonts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace orv::contacts {

LetterBar::LetterBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frmLetras"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < kLetterCount; ++i) {
        auto* b = new QPushButton(letterCaption(i), this);
        b->setObjectName(QStringLiteral("cmdLetra"));
        b->setProperty("index", i);
        b->setAccessibleName(QStringLiteral("Letra %1").arg(letterCaption(i)));
        b->setFont(arial(8, true));
        b->setMinimumWidth(10);
        b->setAutoFillBackground(true);
        cmdLetra[static_cast<std::size_t>(i)] = b;
        setHighlighted(i, false);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, i] { Q_EMIT letterClicked(i); });
    }
}

QColor LetterBar::normalColour() {
    return QColor(255, 192, 255);
}

QColor LetterBar::highlightColour() {
    return QColor(255, 255, 128);
}

void LetterBar::setHighlighted(int index, bool on) {
    QPushButton* b = button(index);
    QPalette p = b->palette();
    p.setColor(QPalette::Button, on ? highlightColour() : normalColour());
    b->setPalette(p);
}

} // namespace orv::contacts
