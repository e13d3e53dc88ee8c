#include "support/TestSupport.h"

#include "db/Schema.h"

#include "session/Passwords.h"

#include "session/Users.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

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
         password.isEmpty() ? QVariant() : QVariant(encodePassword(password)),
         lastPanel.isEmpty() ? QVariant() : QVariant(lastPanel)});
    ctx.db.executeSql(
        QStringLiteral("insert into Configuracao (Usuario,InicioGrade,FinalGrade,Intervalos,"
                       "PosicaoAniversarios,SomCompromisso,ChecagemGeral,"
                       "VisualizarCompartilhamento) values (?,'08:00:00','17:00:00',60,'A','Cuco',"
                       "1,'S')"),
        {code});
    return code;
}

void TestApp::logOn(qint64 userCode) {
    RowSet rs =
        ctx.db.runQuery(QStringLiteral("Select * from Usuarios Where Codigo = ?"), {userCode});
    loadSession(ctx.session, rs, rs.text(QStringLiteral("Login")));
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

} // namespace orv::test

namespace orv::test {

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QString FileFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << name.toStdString();
    }
    return f.fileName();
}

bool refusedWith(const QString& shown, const BadFile& file) {
    return shown.startsWith(QStringLiteral("Nada foi importado de \"%1\"").arg(file.name)) &&
           shown.contains(file.why);
}

void answerFileDialog(const QString& path) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll->stop(); // at once: the deletion waits for an outer event loop
        poll->deleteLater();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept"); // as its "Open" or "Save" button does
    });
    poll->start(10);
}

} // namespace orv::test
