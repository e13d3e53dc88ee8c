#include "mainwindow/ui/Panel.h"

#include "mainwindow/ui/Fonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orv {

Panel::Panel(const QString& frameName, QWidget* parent) : QFrame(parent) {
    setObjectName(frameName);
    setAccessibleName(frameName);
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
