#include "support/TestSupport.h"

#include "backup/BackupFormat.h"
#include "db/Schema.h"
#include "mainwindow/ui/Grid.h"

#include "session/PasswordHash.h"
#include "session/Users.h"
#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QTimer>
#include <cmath>

namespace orv::test {

bool ScriptedMessages::show(const QString& text, int buttons, int icon) {
    shown_.push_back({text, buttons, icon});
    if (!actions_.empty()) {
        auto action = std::move(actions_.front());
        actions_.pop_front();
        action();
    }
    if (buttons == msg::Okay) {
        return true;
    }
    if (answers_.empty()) {
        return false;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedMessages::showStandard(const QString& text, Standard) {
    standard_ << text;
}

QStringList ScriptedMessages::texts() const {
    QStringList list;
    for (const auto& s : shown_) {
        list << s.text;
    }
    return list;
}

void ScriptedMessages::clear() {
    shown_.clear();
    standard_.clear();
}

TempProgram::TempProgram() {
    paths_.programFolder = dir_.path();
    paths_.v1Folder = QDir(dir_.path()).filePath(QStringLiteral("v1"));
    paths_.backupFolder = QDir(dir_.path()).filePath(QStringLiteral("floppy"));
    QDir(dir_.path()).mkpath(QStringLiteral("v1"));
    // Every test program starts from a copy of one fresh data file made once per
    // run: the same salt, so its key is derived only once.
    static QTemporaryDir templateDir;
    static const QString templateFile = [] {
        const QString file = QDir(templateDir.path()).filePath(QStringLiteral("dadosn.lst"));
        createDataFile(file);
        return file;
    }();
    QFile::copy(templateFile, paths_.dataFile());
    QFile(paths_.dataFile()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString TempProgram::path(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

TestApp::TestApp() : ctx(program.paths(), clock, messages) {}

qint64 TestApp::addUser(const QString& login, const QString& password, const QString& lastPanel) {
    const qint64 code = ctx.db.insertSql(
        QStringLiteral("Insert into Usuarios (Login,Nome,Email,FoneRes,FoneCel,Aniversario,Senha,"
                       "Pastinha) values (?,?,?,' ',' ',cdate('1/1/1900'),?,?)"),
        {login, QStringLiteral("Nome de %1").arg(login),
         QStringLiteral("%1@exemplo.com.br").arg(login.toLower()),
         password.isEmpty() ? QVariant() : QVariant(hashPassword(password)),
         lastPanel.isEmpty() ? QVariant() : QVariant(lastPanel)});
    ctx.db.executeSql(
        QStringLiteral("insert into Configuracao (Usuario,InicioGrade,FinalGrade,Intervalos,"
                       "PosicaoAniversarios,SomCompromisso,ChecagemGeral,"
                       "VisualizarCompartilhamento) values (?,'08:00:00','17:00:00',60,'A','Cuco',"
                       "1,'S')"),
        {code});
    passwords_.insert(code, password);
    return code;
}

void TestApp::logOn(qint64 userCode) {
    RowSet rs =
        ctx.db.runQuery(QStringLiteral("Select * from Usuarios Where Codigo = ?"), {userCode});
    loadSession(ctx.session, rs, rs.text(QStringLiteral("Login")));
    ctx.session.password = passwords_.value(userCode);
    readSettings(ctx);
}

int TestApp::count(const QString& table) const {
    return static_cast<int>(
        ctx.db.runQuery(QStringLiteral("Select count(*) as n from %1").arg(table)).integer("n"));
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray backupImage(const QByteArray& data) {
    QByteArray image;
    int error = -99;
    EXPECT_TRUE(backup::compressBuffer(data, image, 9, error, true));
    EXPECT_EQ(error, 0);
    return image;
}

double storedBalance(const Db& db, qint64 user, int year, int month) {
    RowSet rs = db.runQuery(
        QStringLiteral("Select M%1 from Saldos Where Usuario = ? and Ano = ?").arg(month),
        {user, year});
    return rs.eof() ? std::nan("") : rs.field(0).toDouble();
}

QStringList userRows(const Db& db, qint64 user, const char* comparison) {
    QStringList rows;
    for (const char* table : {"Usuarios", "Configuracao", "Compromissos", "Enderecos", "Financas",
                              "Saldos", "Tarefas", "Notas"}) {
        const char* owner = qstrcmp(table, "Usuarios") == 0 ? "Codigo" : "Usuario";
        for (RowSet rs = db.runQuery(
                 QStringLiteral("Select * from %1 Where %2 %3 ?")
                     .arg(QLatin1String(table), QLatin1String(owner), QLatin1String(comparison)),
                 {user});
             !rs.eof(); rs.moveNext()) {
            QStringList fields{QLatin1String(table)};
            for (int c = 0; c < rs.columns().size(); ++c) {
                fields << rs.field(c).toString();
            }
            rows << fields.join(QLatin1Char('|'));
        }
    }
    return rows;
}

QString fields(const RowSet& row, const QString& columns) {
    QStringList values;
    for (const QString& column : columns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        values << (row.isNull(column) ? QStringLiteral("null") : row.text(column));
    }
    return values.join(QLatin1Char('|'));
}

QStringList allFields(RowSet rows, const QString& columns) {
    QStringList all;
    for (; !rows.eof(); rows.moveNext()) {
        all << fields(rows, columns);
    }
    return all;
}

QString gridRow(const Grid& grid, int row, std::initializer_list<int> columns) {
    QStringList texts;
    for (const int column : columns) {
        texts << grid.text(row, column);
    }
    return texts.join(QLatin1Char('|'));
}

QStringList gridColumn(const Grid& grid, int column) {
    QStringList texts;
    for (int r = 1; r < grid.rows(); ++r) {
        if (const QString text = grid.text(r, column).trimmed(); !text.isEmpty()) {
            texts << text;
        }
    }
    return texts;
}

void typeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            // A character beyond 16 bits is one key press of two halves.
            const qsizetype length = c.isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
    }
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
    }
    return path;
}

QString FileFolder::write(const QString& name, const QByteArray& bytes) const {
    return writeFile(path(name), bytes);
}

bool refusedWith(const QString& shown, const BadFile& file) {
    return shown.startsWith(QStringLiteral("Nada foi importado de \"%1\"").arg(file.name)) &&
           shown.contains(file.why);
}

void answerFileDialog(const QString& path) {
    // The poll holds on to the first dialog it sees and answers it until it closes.
    auto* poll = new QTimer;
    auto dialog = std::make_shared<QPointer<QFileDialog>>();
    auto seen = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path, dialog, seen] {
        if (!*seen) {
            *dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            *seen = !dialog->isNull();
        }
        if (dialog->isNull() || !(*dialog)->isVisible()) {
            if (*seen) {
                poll->stop(); // at once: the deletion waits for an outer event loop
                poll->deleteLater();
            }
            return;
        }
        if (path.isEmpty()) {
            (*dialog)->reject();
            return;
        }
        // Typed into the name box, as a person would: selecting the file in the
        // list misses a file the dialog's folder view has not seen yet.
        (*dialog)->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog->data(), "accept"); // as its "Open" or "Save" button does
    });
    poll->start(10);
}

} // namespace orv::test
