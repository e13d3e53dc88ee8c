#pragma once

#include "session/AppContext.h"

namespace orv {

// The word typed as login that starts the restore of a backup.
inline const QString kRestoreWord = QStringLiteral("RECUPERARBKP");

enum class LogonResult { Restore, UnknownUser, WrongPassword, LoggedOn };

// Checks login and password as typed (the login is looked up exactly as typed,
// the store ignoring case; the password compares case-sensitively) and, on
// success, loads the user into the session. Shows no message.
LogonResult logOn(AppContext& ctx, const QString& login, const QString& password);

// The message of a refused logon.
QString logonRefusal(LogonResult result);

enum class NewUserResult { EmptyLogin, Duplicate, Accepted };
// Checks the login for a new user before anything is written.
NewUserResult checkNewUser(const AppContext& ctx, const QString& login);

// True when the version 1.0 data can still be taken over: its file opens and the
// import flag read at start-up is "N".
bool canImport(const AppContext& ctx);

// Exactly one user, without password: the row to log on by itself; else empty.
RowSet automaticLogonUser(const Db& db);

} // namespace orv
