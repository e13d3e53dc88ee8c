#pragma once

#include "session/SettingsForm.h"

#include <QDate>
#include <QTime>
#include <optional>

namespace orv {

// The first failed check of a save: its message, icon and the box to focus.
struct SettingsProblem {
    QString message;
    int icon = 0;
    SettingsField focus = SettingsField::None;
};

// What becomes of the stored password.
enum class PasswordChange { Keep, Set, Remove };

// The page's values once every check passed, ready to be written.
struct CheckedSettings {
    QDate birthday; // Session::noBirthday() when none
    QTime gridStart, gridEnd;
    int gridStep = 0;
    int checkInterval = 0;
    PasswordChange password = PasswordChange::Keep;
    // The password to store when it is Set, exactly as typed: blanks at either
    // end are part of it, as they are at logon.
    QString newPassword;
};

struct SettingsCheck {
    std::optional<SettingsProblem> problem;
    CheckedSettings values;
    bool ok() const { return !problem.has_value(); }
};

// Runs the checks of a save in their order; the first failure wins. The boxes
// that passed are rewritten in their standard form ("DD/MM/YYYY", "HH:NN").
SettingsCheck checkSettings(SettingsForm& form, const Session& session);

// The checks of deleting the logged-on user: the current password, when he has one.
std::optional<SettingsProblem> checkUserDeletion(const SettingsForm& form, const Session& session);

// A time typed as "H", "H:N", "HH:NN" (the text "01/01/1900 " + box + ":00" is a valid moment).
std::optional<QTime> parseBoxTime(const QString& text);
// A date typed day first: "D/M/YYYY" or "D/M/YY" ("/", "-" or "." between the parts).
std::optional<QDate> parseBoxDate(const QString& text);

} // namespace orv
