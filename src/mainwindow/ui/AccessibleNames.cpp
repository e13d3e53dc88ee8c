#include "mainwindow/ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QLabel>

namespace orv {

QString accessibleText(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&')).remove(QLatin1Char(':'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

void labelFor(QLabel* label, QWidget* box) {
    label->setBuddy(box);
    if (box != nullptr && box->accessibleName().isEmpty()) {
        box->setAccessibleName(accessibleText(label->text()));
    }
}

void nameByCaption(QAbstractButton* button) {
    if (button->accessibleName().isEmpty()) {
        button->setAccessibleName(accessibleText(button->text()));
    }
}

void setCaption(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(accessibleText(caption));
}

} // namespace orv
