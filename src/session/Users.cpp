#include "session/Users.h"

#include "session/PasswordHash.h"

namespace orv {

void loadSession(Session& s, const RowSet& row, const QString& login) {
    s.userCode = row.integer(QStringLiteral("Codigo"));
    s.login = login;
    s.lastPanel = row.text(QStringLiteral("Pastinha"));
    s.name = row.text(QStringLiteral("Nome"));
    s.address = row.text(QStringLiteral("Endereco"));
    s.city = row.text(QStringLiteral("Cidade"));
    s.state = row.text(QStringLiteral("Estado"));
    s.postalCode = row.text(QStringLiteral("Cep"));
    s.homePhone = row.text(QStringLiteral("FoneRes"));
    s.mobilePhone = row.text(QStringLiteral("FoneCel"));
    s.email = row.text(QStringLiteral("Email"));
    const QDate birthday = row.date(QStringLiteral("Aniversario"));
    s.birthday = birthday.isValid() ? birthday : Session::noBirthday();
}

void readSettings(AppContext& ctx) {
    const RowSet rs = ctx.db.runQuery(
        QStringLiteral("Select * from Configuracao Where Usuario = ?"), {ctx.session.userCode});
    if (rs.eof()) {
        return;
    }
    UserSettings& s = ctx.settings;
    s.configKey = rs.integer(QStringLiteral("Chave"));
    s.gridStart = rs.time(QStringLiteral("InicioGrade"));
    s.gridEnd = rs.time(QStringLiteral("FinalGrade"));
    s.checkInterval = static_cast<int>(rs.integer(QStringLiteral("ChecagemGeral")));
    s.gridStep = static_cast<int>(rs.integer(QStringLiteral("Intervalos")));
    s.birthdayPosition = rs.text(QStringLiteral("PosicaoAniversarios"));
    s.soundName = rs.text(QStringLiteral("SomCompromisso"));
    s.showShared = rs.text(QStringLiteral("VisualizarCompartilhamento")) == QLatin1String("S");
}

QString ownerLoginColumn(const QString& table) {
    return QStringLiteral("(Select Login from Usuarios Where Usuarios.Codigo = %1.Usuario)")
        .arg(table);
}

QString readImportFlag(const Db& db) {
    const RowSet rs = db.runQuery(QStringLiteral("Select * from Sistema"));
    return rs.eof() ? QString() : rs.text(QStringLiteral("EfetuoImportacao"));
}

bool noUsers(const Db& db) {
    return db.runQuery(QStringLiteral("Select * from usuarios")).eof();
}

RowSet findUser(const Db& db, const QString& login) {
    return db.runQuery(QStringLiteral("Select * from usuarios Where ucase(Login) = ucase(?)"),
                       {login});
}

void storePassword(const Db& db, qint64 userCode, const QString& clear) {
    db.executeSql(QStringLiteral("Update Usuarios set Senha = ? Where Codigo = ?"),
                  {hashPassword(clear), userCode});
}

void storeLastPanel(const AppContext& ctx, const QString& panelName) {
    ctx.db.executeSql(QStringLiteral("Update Usuarios set Pastinha = ? Where Codigo = ?"),
                      {panelName, ctx.session.userCode});
}

} // namespace orv
