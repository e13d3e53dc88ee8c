#include "mainwindow/ui/SettingsPlaceholder.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

SettingsPlaceholder::SettingsPlaceholder(AppContext&, QWidget* parent)
    : SettingsPanel(QStringLiteral("frmConfig"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("<h2>Configurações</h2><p>A página de configurações "
                                            "ainda não está disponível nesta versão.</p>"),
                             this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cmdAgendaCancelar"));
    layout->addWidget(label);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
    connect(cancel, &QPushButton::clicked, this, &SettingsPanel::cancelled);
}

} // namespace orv
