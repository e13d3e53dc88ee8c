#pragma once

#include "session/AppContext.h"

namespace orv {

// The word typed as login that starts the restore of a backup.
inline const QString kRestoreWord = QStringLiteral("RECUPERARBKP");

enum class LogonResult { Restore, UnknownUser, WrongPassword, LoggedOn };

// A checked logon: the result and, when it succeeded, the user's row.
struct LogonCheck {
    LogonResult result = LogonResult::UnknownUser;
    RowSet user;
};

// Checks login and password as typed (the login is looked up exactly as typed,
// the store ignoring case; the password compares exactly, blanks and case
// included). A password still stored in the older scrambled form is replaced
// by its hash once it has opened. Changes no session; shows no message.
LogonCheck checkLogon(const Db& db, const QString& login, const QString& password);

// Makes the checked user the session's: his row, the login as typed and the
// password in clear (the settings page compares with it).
void startSession(Session& session, const RowSet& user, const QString& login,
                  const QString& password);

// Checks the logon and, when it succeeds, starts the session.
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
