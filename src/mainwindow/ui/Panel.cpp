#include "mainwindow/ui/Panel.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/PanelControls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

Panel::Panel(const QString& frameName, QWidget* parent) : QFrame(parent) {
    setObjectName(frameName);
    setAccessibleName(frameName);
}

void Panel::setKeys(PanelKeys keys, Grid* grid) {
    keys_ = std::move(keys);
    if (grid != nullptr) {
        connect(grid, &Grid::deleteWanted, this, [this, grid](int row) { deleteRow(grid, row); });
    }
}

bool Panel::newItem() {
    if (!keys_.newItem) {
        return pressShown(keys_.newButton);
    }
    keys_.newItem();
    return true;
}

bool Panel::saveOpen() {
    return keys_.editor != nullptr && keys_.editor->isVisible() && pressShown(keys_.save);
}

bool Panel::closeOpen() {
    return keys_.editor != nullptr && keys_.editor->isVisible() && pressShown(keys_.back);
}

void Panel::deleteRow(Grid* grid, int row) {
    if (keys_.editor == nullptr) {
        return;
    }
    grid->clickRow(row);
    if (!keys_.editor->isVisible()) {
        return; // a row that opens nothing (a continuation, a birthday)
    }
    pressShown(keys_.remove);
    // Cancelled, or a row one may not delete: the editor closes again.
    closeOpen();
}

PlaceholderPanel::PlaceholderPanel(const QString& frameName, const QString& title, QWidget* parent)
    : Panel(frameName, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QStringLiteral("<h2>%1</h2><p>Esta parte da agenda ainda não está disponível nesta "
                       "versão do Orvalune.</p>")
            .arg(title),
        this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(arial(11));
    layout->addWidget(label);
}

} // namespace orv
