#include "session/Logon.h"

#include "db/DbError.h"
#include "session/PasswordHash.h"
#include "session/Users.h"

namespace orv {

LogonCheck checkLogon(const Db& db, const QString& login, const QString& password) {
    if (login == kRestoreWord) {
        return {LogonResult::Restore, {}};
    }
    RowSet row = findUser(db, login);
    if (row.eof()) {
        return {LogonResult::UnknownUser, {}};
    }
    const QVariant stored = row.field(QStringLiteral("Senha"));
    if (!passwordMatches(stored, password)) {
        return {LogonResult::WrongPassword, {}};
    }
    if (!stored.toString().isEmpty() && !isPasswordHash(stored.toString())) {
        storePassword(db, row.integer(QStringLiteral("Codigo")), password);
    }
    return {LogonResult::LoggedOn, row};
}

void startSession(Session& session, const RowSet& user, const QString& login,
                  const QString& password) {
    loadSession(session, user, login);
    session.password = password;
    session.newUserMode = false;
}

LogonResult logOn(AppContext& ctx, const QString& login, const QString& password) {
    const LogonCheck check = checkLogon(ctx.db, login, password);
    if (check.result == LogonResult::LoggedOn) {
        startSession(ctx.session, check.user, login, password);
    }
    return check.result;
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
