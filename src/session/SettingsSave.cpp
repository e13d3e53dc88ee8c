#include "session/SettingsSave.h"

#include "db/DbError.h"
#include "session/OldDataImport.h"
#include "session/PasswordHash.h"
#include "session/SqlValues.h"
#include "session/Users.h"

namespace orv {
namespace {

// A phone is a single blank when left empty, never NULL.
QString phone(const QString& box) {
    const QString text = box.trimmed();
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

// The personal columns in the order both statements name them.
Params personalValues(const SettingsForm& f, const CheckedSettings& v) {
    return {f.name.trimmed(),
            nullIfEmpty(f.address.trimmed()),
            nullIfEmpty(f.city.trimmed()),
            nullIfEmpty(f.state.trimmed()),
            nullIfEmpty(f.postalCode.trimmed()),
            f.email.trimmed(),
            phone(f.homePhone),
            phone(f.mobilePhone),
            v.birthday};
}

// The Configuracao columns in the order both statements name them.
Params scheduleValues(const SettingsForm& f, const CheckedSettings& v) {
    return {v.gridStart,
            v.gridEnd,
            v.gridStep,
            f.birthdayAtStart ? QStringLiteral("A") : QStringLiteral("D"),
            f.soundName,
            v.checkInterval,
            f.showShared ? QStringLiteral("S") : QStringLiteral("N")};
}

const QString kScheduleColumns = QStringLiteral(
    "InicioGrade,FinalGrade,Intervalos,PosicaoAniversarios,SomCompromisso,ChecagemGeral,"
    "VisualizarCompartilhamento");

void insertSchedule(const Db& db, qint64 userCode, const SettingsForm& f,
                    const CheckedSettings& v) {
    db.executeSql(QStringLiteral("insert into Configuracao (Usuario,%1) values (?,?,?,?,?,?,?,?)")
                      .arg(kScheduleColumns),
                  Params{userCode} + scheduleValues(f, v));
}

qint64 insertUser(AppContext& ctx, const SettingsForm& f, const CheckedSettings& v) {
    const QVariant password =
        v.password == PasswordChange::Set ? QVariant(hashPassword(v.newPassword)) : QVariant();
    Transaction t(ctx.db);
    const qint64 code = ctx.db.insertSql(
        QStringLiteral("Insert into Usuarios (Login,Nome,Endereco,Cidade,Estado,Cep,Email,FoneRes,"
                       "FoneCel,Aniversario,Senha) values (?,?,?,?,?,?,?,?,?,?,?)"),
        Params{ctx.session.login.trimmed()} + personalValues(f, v) + Params{password});
    insertSchedule(ctx.db, code, f, v);
    t.commit();
    return code;
}

void updateUser(AppContext& ctx, const SettingsForm& f, const CheckedSettings& v) {
    QString sql = QStringLiteral("Update Usuarios set Nome=?,Endereco=?,Cidade=?,Estado=?,Cep=?,"
                                 "Email=?,FoneRes=?,FoneCel=?,Aniversario=?");
    Params params = personalValues(f, v);
    if (v.password == PasswordChange::Set) {
        sql += QStringLiteral(",Senha=?");
        params << hashPassword(v.newPassword);
    } else if (v.password == PasswordChange::Remove) {
        sql += QStringLiteral(",Senha=NULL");
    }
    sql += QStringLiteral(" Where Codigo = ?");
    params << ctx.session.userCode;

    Transaction t(ctx.db);
    ctx.db.executeSql(sql, params);
    const int changed = ctx.db.executeSql(
        QStringLiteral("Update Configuracao set InicioGrade=?,FinalGrade=?,Intervalos=?,"
                       "PosicaoAniversarios=?,SomCompromisso=?,ChecagemGeral=?,"
                       "VisualizarCompartilhamento=? Where Usuario = ?"),
        scheduleValues(f, v) + Params{ctx.session.userCode});
    if (changed == 0) {
        // A user whose settings row went missing gets a new one instead of a
        // save that silently keeps nothing.
        insertSchedule(ctx.db, ctx.session.userCode, f, v);
    }
    t.commit();
}

// Reads the user's stored rows back into the session and settings; the last
// panel is the session's own and stays, and the password in clear is the one
// just saved (the row holds only its hash).
void readBack(AppContext& ctx, qint64 userCode, const CheckedSettings& v) {
    const QString lastPanel = ctx.session.lastPanel;
    const QString login = ctx.session.login.trimmed();
    const RowSet row =
        ctx.db.runQuery(QStringLiteral("Select * from Usuarios Where Codigo = ?"), {userCode});
    loadSession(ctx.session, row, login);
    ctx.session.lastPanel = lastPanel;
    if (v.password == PasswordChange::Set) {
        ctx.session.password = v.newPassword;
    } else if (v.password == PasswordChange::Remove) {
        ctx.session.password.clear();
    }
    readSettings(ctx);
}

} // namespace

SaveOutcome saveSettings(AppContext& ctx, const SettingsForm& form, const CheckedSettings& values) {
    SaveOutcome outcome;
    if (!ctx.session.newUserMode) {
        updateUser(ctx, form, values);
        readBack(ctx, ctx.session.userCode, values);
        return outcome;
    }
    const qint64 code = insertUser(ctx, form, values);
    readBack(ctx, code, values);
    ctx.session.newUserMode = false;
    outcome.newUser = true;
    if (ctx.session.importAnswer) {
        ctx.session.importAnswer = false;
        try {
            importOldData(ctx);
        } catch (const DbError&) {
            // The user exists and is logged on; the old data stays for a later try.
            outcome.importFailure = kImportFailed;
        }
    }
    return outcome;
}

void deleteUser(AppContext& ctx) {
    const qint64 code = ctx.session.userCode;
    // Saldos holds the user's monthly balances: they go with him too.
    static const char* const owned[] = {"Notas",     "Tarefas",      "Financas",    "Saldos",
                                        "Enderecos", "Compromissos", "Configuracao"};
    Transaction t(ctx.db);
    for (const char* table : owned) {
        ctx.db.executeSql(
            QStringLiteral("Delete from %1 Where Usuario = ?").arg(QLatin1String(table)), {code});
    }
    ctx.db.executeSql(QStringLiteral("Delete from Usuarios Where Codigo = ?"), {code});
    t.commit();
}

} // namespace orv
