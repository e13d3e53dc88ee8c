#include "mainwindow/Panels.h"

namespace orv {

const std::vector<PanelInfo>& panelTable() {
    static const std::vector<PanelInfo> table{
        {panel::Compromissos, QStringLiteral("frmCompromissos"), QStringLiteral("imgCompromissos"),
         true, 5140, 1480},
        {panel::Enderecos, QStringLiteral("frmEndereco"), QStringLiteral("imgEnderecos"), true,
         6640, 1075},
        {panel::Financas, QStringLiteral("frmFinancas"), QStringLiteral("imgFinancas"), true, 7740,
         950},
        {panel::Tarefas, QStringLiteral("frmTarefas"), QStringLiteral("imgTarefas"), true, 8695,
         845},
        {panel::Notas, QStringLiteral("frmNotas"), QStringLiteral("imgNotas"), true, 9550, 695},
        {panel::Inicial, QStringLiteral("frmInicial"), QStringLiteral("imgAjuda"), false, 10255,
         300},
        {panel::Configuracao, QStringLiteral("frmConfig"), QStringLiteral("cmdConfig"), false, 0,
         0},
    };
    return table;
}

const PanelInfo* findPanel(const QString& name) {
    for (const auto& p : panelTable()) {
        if (p.name == name) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace orv
