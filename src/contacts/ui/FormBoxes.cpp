#include "contacts/ui/FormBoxes.h"

#include "mainwindow/ui/AccessibleNames.h"
#include "session/ui/BoxLimit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orv::contacts {
namespace {

void addLabel(QWidget* parent, QGridLayout* grid, int row, int col, const QString& text,
              QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    labelFor(label, buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, col);
}

} // namespace

QLineEdit* lineBox(QWidget* parent, QGridLayout* grid, int row, int col, const QString& label,
                   const QString& name, int maxLength, int columnSpan) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    limitLength(box, maxLength);
    addLabel(parent, grid, row, col, label, box);
    grid->addWidget(box, row, col + 1, 1, columnSpan);
    return box;
}

QPlainTextEdit* notesBox(QWidget* parent, QGridLayout* grid, int row, int col, const QString& label,
                         const QString& name, int maxLength, int columnSpan) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    limitLength(box, maxLength);
    addLabel(parent, grid, row, col, label, box);
    grid->addWidget(box, row, col + 1, 1, columnSpan);
    return box;
}

QPushButton* button(QWidget* parent, const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    nameByCaption(b);
    return b;
}

} // namespace orv::contacts
