#include "mainwindow/ui/PanelFactory.h"

#include "finances/ui/FinancesPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/SettingsPlaceholder.h"
#include "mainwindow/ui/StartPanel.h"
#include "tasks/ui/NotesPanel.h"
#include "tasks/ui/TasksPanel.h"

namespace orv {

Panel* createPanel(const QString& name, AppContext& ctx, QWidget* parent) {
    const PanelInfo* info = findPanel(name);
    if (name == panel::Configuracao) {
        return new SettingsPlaceholder(ctx, parent);
    }
    if (name == panel::Inicial) {
        return new StartPanel(parent);
    }
    if (name == panel::Financas) {
        return new finances::FinancesPanel(ctx, parent);
    }
    if (name == panel::Tarefas) {
        return new tasks::TasksPanel(ctx, parent);
    }
    if (name == panel::Notas) {
        return new tasks::NotesPanel(ctx, parent);
    }
    static const QHash<QString, QString> titles{
        {panel::Compromissos, QStringLiteral("Compromissos")},
        {panel::Enderecos, QStringLiteral("Endereços")},
    };
    return new PlaceholderPanel(info->frame, titles.value(name), parent);
}

} // namespace orv
