#pragma once

#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"

#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace orv::appointments {

// Makes a control of the appointment frames: its design name as objectName, its
// place in pixels and the frames' font.
template <typename W> W* control(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* w = new W(parent);
    w->setObjectName(name);
    w->setGeometry(geometry);
    w->setFont(arial(9));
    return w;
}

// A push button of the appointment frames, named by its caption.
inline QPushButton* textButton(QWidget* parent, const QString& name, const QString& text,
                               const QRect& geometry) {
    auto* b = control<QPushButton>(parent, name, geometry);
    b->setText(text);
    nameByCaption(b);
    return b;
}

} // namespace orv::appointments
