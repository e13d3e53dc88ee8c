#include "mainwindow/ui/PanelFactory.h"

#include "contacts/ui/ContactsPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/SettingsPage.h"
#include "mainwindow/ui/StartPanel.h"

namespace orv {

Panel* createPanel(const QString& name, AppContext& ctx, QWidget* parent) {
    const PanelInfo* info = findPanel(name);
    if (name == panel::Configuracao) {
        return new SettingsPage(ctx, parent);
    }
    if (name == panel::Inicial) {
        return new StartPanel(parent);
    }
    if (name == panel::Enderecos) {
        return new contacts::ContactsPanel(ctx, parent);
    }
    static const QHash<QString, QString> titles{
        {panel::Compromissos, QStringLiteral("Compromissos")},
        {panel::Enderecos, QStringLiteral("Endereços")},
        {panel::Financas, QStringLiteral("Finanças")},
        {panel::Tarefas, QStringLiteral("Tarefas")},
        {panel::Notas, QStringLiteral("Anotações")},
    };
    return new PlaceholderPanel(info->frame, titles.value(name), parent);
}

} // namespace orv
