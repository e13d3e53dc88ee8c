#pragma once

#include "session/AppContext.h"
#include "session/SettingsCheck.h"

namespace orv {

// What a save did: created a user, and the reason the version 1.0 data could
// not be taken over when that failed (the user is saved and logged on anyway).
struct SaveOutcome {
    bool newUser = false;
    QString importFailure;
};

// Writes a checked settings page: a person creating a user gets his Usuarios
// and Configuracao rows and is logged on as the new user (with the version 1.0
// data taken over when he asked for it); a logged-on user gets his rows
// updated. Session and settings are read back from the stored rows.
SaveOutcome saveSettings(AppContext& ctx, const SettingsForm& form, const CheckedSettings& values);

// Deletes the logged-on user and every row he owns, all at once.
void deleteUser(AppContext& ctx);

inline const QString kSettingsSaved = QStringLiteral("Dados Gravados e Atualizados com Sucesso !");
inline const QString kImportFailed = QStringLiteral(
    "Não foi possível importar os dados da versão 1.0. Nenhum dado antigo foi copiado e o "
    "arquivo da versão 1.0 foi mantido.");
inline const QString kConfirmUserDeletion = QStringLiteral("Você Confirma Exclusão do Usuário?");

} // namespace orv
