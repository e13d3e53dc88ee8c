#include "mainwindow/ui/PanelFactory.h"

#include "appointments/ui/AppointmentsPanel.h"
#include "contacts/ui/ContactsPanel.h"
#include "finances/ui/FinancesPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/SettingsPage.h"
#include "mainwindow/ui/StartPanel.h"
#include "tasks/ui/NotesPanel.h"
#include "tasks/ui/TasksPanel.h"

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
    if (name == panel::Compromissos) {
        return new appointments::AppointmentsPanel(ctx, parent);
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
    return new PlaceholderPanel(info->frame, name, parent);
}

} // namespace orv
