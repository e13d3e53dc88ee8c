#pragma once

#include "session/Session.h"

#include <QString>
#include <QStringList>

namespace orv {

// The boxes of the settings page, by their control names, so that a check can
// say where the focus goes.
enum class SettingsField {
    None,
    txtDadosNome,
    txtDadosEmail,
    txtDadosNascimento,
    txtSenhaAtual,
    txtSenhaNova,
    txtSenhaReNova,
    txtAgendaInicio,
    txtAgendaFim,
    txtAgendaIntervalo,
    txtAgendaTempoChecagem,
};

// What the settings page shows and the user typed, as plain texts and choices.
struct SettingsForm {
    QString name, address, city, state, postalCode, email, homePhone, mobilePhone, birthday;
    QString currentPassword, newPassword, confirmPassword;
    bool currentPasswordEnabled = false;
    bool newPasswordEnabled = true;
    QString gridStart, gridEnd, gridStep, checkInterval;
    bool birthdayAtStart = true; // "A" when true, "D" otherwise
    QString soundName;
    bool showShared = true;
};

// The entries of the sound list, "Nenhum" first.
const QStringList& soundChoices();
inline const QString kNoSound = QStringLiteral("Nenhum");

// The page of the logged-on user, filled from his session and settings.
SettingsForm formFromSession(const Session& session, const UserSettings& settings);

// The page of a person creating a user: the defaults of a new user.
SettingsForm newUserForm();

// The texts of the identity labels while a new user has no data of his own.
struct IdentityTexts {
    QString name, homePhone, mobilePhone, email;
};
IdentityTexts newUserIdentity();

} // namespace orv
