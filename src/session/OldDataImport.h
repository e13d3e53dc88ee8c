#pragma once

#include "session/AppContext.h"
#include "session/SettingsForm.h"

#include <optional>

namespace orv {

inline const QString kImportQuestion = QStringLiteral("Desejar Importar o Dados da Versão 1.0?");

// At "Novo Usuário": when the version 1.0 data can still be taken over, asks
// whether to, and keeps the answer in the session.
void offerImport(AppContext& ctx);

// The new user's settings page prefilled from the version 1.0 owner; the old
// password becomes the session password. Nothing when the import was not
// asked for or the old file has no settings.
std::optional<SettingsForm> importOldSettings(AppContext& ctx);

// Copies the version 1.0 appointments and contacts to the user just created,
// marks the import as done and removes the old file. The copy is all or
// nothing: a failure (DbError) leaves no copied row, the flag "N" and the old
// file in place.
void importOldData(AppContext& ctx);

} // namespace orv
