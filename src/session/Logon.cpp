#include "session/Logon.h"

#include "db/DbError.h"
#include "session/Passwords.h"
#include "session/Users.h"

namespace orv {

LogonResult logOn(AppContext& ctx, const QString& login, const QString& password) {
    if (login == kRestoreWord) {
        return LogonResult::Restore;
    }
    RowSet row = findUser(ctx.db, login);
    if (row.eof()) {
        return LogonResult::UnknownUser;
    }
    if (decodePassword(row.field(QStringLiteral("Senha"))) != password) {
        return LogonResult::WrongPassword;
    }
    loadSession(ctx.session, row, login);
    ctx.session.newUserMode = false;
    return LogonResult::LoggedOn;
}

QString logonRefusal(LogonResult result) {
    switch (result) {
    case LogonResult::UnknownUser:
        return QStringLiteral("Usuário não cadastrado !");
    case LogonResult::WrongPassword:
        return QStringLiteral("Senha não confere !");
    default:
        return {};
    }
}

NewUserResult checkNewUser(const AppContext& ctx, const QString& login) {
    if (login.trimmed().isEmpty()) {
        return NewUserResult::EmptyLogin;
    }
    // Looked up trimmed, as it will be stored, so "ANA " cannot become a second ANA.
    if (!findUser(ctx.db, login.trimmed()).eof()) {
        return NewUserResult::Duplicate;
    }
    return NewUserResult::Accepted;
}

bool canImport(const AppContext& ctx) {
    if (ctx.session.importFlag != QLatin1String("N")) {
        return false;
    }
    try {
        ctx.db.runOldQuery(QStringLiteral("Select * from Config"));
        return true;
    } catch (const DbError&) {
        return false;
    }
}

RowSet automaticLogonUser(const Db& db) {
    RowSet users = db.runQuery(QStringLiteral("Select * from usuarios"));
    if (users.recordCount() == 1 && users.isNull(QStringLiteral("Senha"))) {
        return users;
    }
    return {};
}

} // namespace orv
