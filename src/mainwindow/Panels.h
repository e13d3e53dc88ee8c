#pragma once

#include <QString>
#include <vector>

namespace orv {

// Panel names as stored in Usuarios.Pastinha.
namespace panel {
inline const QString Inicial = QStringLiteral("Inicial");
inline const QString Compromissos = QStringLiteral("Compromissos");
inline const QString Enderecos = QStringLiteral("Enderecos");
inline const QString Financas = QStringLiteral("Financas");
inline const QString Tarefas = QStringLiteral("Tarefas");
inline const QString Notas = QStringLiteral("Notas");
inline const QString Configuracao = QStringLiteral("Configuracao");
} // namespace panel

// One panel of the main window: its frame and button, whether the print button
// shows with it, and where the tab gap goes under its icon (twips; no gap for
// the settings page).
struct PanelInfo {
    QString name;
    QString frame;
    QString button;
    bool printable;
    int gapLeft;
    int gapWidth;
};

// The seven panels, the six tab panels first in the order of their buttons.
const std::vector<PanelInfo>& panelTable();
const PanelInfo* findPanel(const QString& name);

inline constexpr int kTabGapTop = 7075;

} // namespace orv
