#include "backup/BackupCommands.h"
#include "backup/BackupErrors.h"
#include "backup/BackupFormat.h"
#include "backup/ui/BackupWiring.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QProcess>
#include <unistd.h>

using namespace orv;
using namespace orv::backup;
using orv::test::backupImage;

namespace {

const QString kRestoreDone = "  Restauração Realizada com Sucesso!  \r\n"
                             "    É Necessário Logar Novamente!";

// A folder write-protected as on a locked stick, also against root, whose writes
// ignore the mode bits (the immutable flag); undone at the end of the scope.
struct WriteProtect {
    explicit WriteProtect(QString path) : folder(std::move(path)), active(set(true)) {}
    ~WriteProtect() { set(false); }
    bool set(bool on) const {
        if (::getuid() == 0) {
            return QProcess::execute("chattr", {on ? "+i" : "-i", folder}) == 0;
        }
        return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                                 (on ? QFile::Permissions() : QFile::WriteOwner));
    }
    const QString folder;
    const bool active;
};

// The rules of the backup drive hold alike in a fixed folder (ORVALUNE_BACKUP_DIR) and
// in the Orvalune folder of a stick that also holds photos (ORVALUNE_MEDIA_ROOTS).
struct Commands : ::testing::TestWithParam<bool> {
    test::TestApp app;
    QStringList calls; // the hooks in the order the commands ran them
    BackupCommands commands{app.ctx, recordingHooks()};

    BackupHooks recordingHooks() {
        BackupHooks hooks;
        hooks.beginWait = [this] { calls << "wait"; };
        hooks.endWait = [this] { calls << "endwait"; };
        hooks.stopDueCheck = [this] { calls << "stop"; };
        hooks.startDueCheck = [this] { calls << "start"; };
        hooks.endSession = [this] { calls << "endsession"; };
        hooks.showLogon = [this] {
            calls << (app.ctx.session.restoreFlag ? "logon(flag)" : "logon");
        };
        return hooks;
    }

    Commands() {
        if (stick()) {
            app.ctx.paths.backupFolder.clear();
            app.ctx.paths.mediaRoots = {app.program.path("media")};
        }
    }
    bool stick() const { return GetParam(); }
    QString stickRoot() const { return app.program.path("media/PENDRIVE"); }
    QString drive() const {
        return stick() ? stickRoot() + "/Orvalune" : app.ctx.paths.backupFolder;
    }
    QString onDrive(const QString& name) const { return QDir(drive()).filePath(name); }
    QString dataFile() const { return app.ctx.paths.dataFile(); }
    void insertDisk() {
        ASSERT_TRUE(QDir().mkpath(stick() ? stickRoot() + "/DCIM" : drive()));
        if (stick()) {
            test::writeFile(stickRoot() + "/foto.jpg", "photo");
        }
    }
    void putOnDrive(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(drive()));
        test::writeFile(onDrive(name), bytes);
    }
    // The data file as changed by the statements, as a crafted backup would hold it.
    QByteArray alteredDataFile(const QStringList& statements) {
        const QString path = app.program.path("alterado.lst");
        EXPECT_TRUE(QFile::copy(dataFile(), path));
        {
            const SqlCipherFile file(path, Db::dataPassphrase());
            for (const QString& sql : statements) {
                file.execute(sql);
            }
        }
        const QByteArray bytes = test::fileBytes(path);
        QFile::remove(path);
        return bytes;
    }
    // The program folder holds the data file and nothing left over by a restore.
    QStringList programFiles() const {
        return QDir(app.ctx.paths.programFolder)
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void expectMessage(const QString& text, int buttons, int icon) {
        ASSERT_FALSE(app.messages.shown().empty());
        const auto& shown = app.messages.shown().back();
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.buttons, buttons);
        EXPECT_EQ(shown.icon, icon);
    }
};

TEST_P(Commands, BackupNeedsADiskHoldingNothingButAnEarlierBackup) {
    commands.backup();
    expectMessage("Insira um Disquete em Branco no Drive A:", msg::Okay, msg::Serious);

    insertDisk();
    putOnDrive("orvalune.bck", "other");
    commands.backup();
    expectMessage("Limpe o Disquete para efetuar Backup!", msg::Okay, msg::Serious);
    ASSERT_TRUE(QFile::remove(onDrive("orvalune.bck")));
    putOnDrive("Orvalune.Bck", "an earlier backup");
    putOnDrive("notas.txt", "x");
    commands.backup();
    expectMessage("Limpe o Disquete para efetuar Backup!", msg::Okay, msg::Serious);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(test::fileBytes(onDrive("Orvalune.Bck")), "an earlier backup");
    ASSERT_TRUE(QFile::remove(onDrive("notas.txt")));

    // Folders and hidden files are no files of the disk.
    ASSERT_TRUE(QDir(drive()).mkdir("pasta"));
    putOnDrive(".oculto", "x");
    app.addUser("ANA");
    commands.backup();
    expectMessage("Backup Realizado com Sucesso!", msg::Okay, msg::NoIcon);
    EXPECT_EQ(calls, QStringList({"wait", "stop", "endwait", "start"}));
    EXPECT_EQ(commands.lastError(), 0);
    EXPECT_EQ(test::fileBytes(onDrive("Orvalune.Bck")), backupImage(test::fileBytes(dataFile())));
    EXPECT_EQ(QDir(drive()).entryList(QDir::Files | QDir::Hidden),
              QStringList({".oculto", "Orvalune.Bck"}));

    // In new-user mode the button does nothing.
    app.messages.clear();
    calls.clear();
    app.ctx.session.newUserMode = true;
    commands.backup();
    commands.restore();
    EXPECT_TRUE(app.messages.shown().empty());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_P(Commands, AFailedBackupShowsItsCodeAndLosesNothing) {
    const auto backupFails = [&](int code) {
        calls.clear();
        commands.backup();
        expectMessage(QString("Impossível Efetuar Backup (%1)!").arg(code), msg::Okay,
                      msg::Serious);
        EXPECT_EQ(commands.lastError(), code);
        EXPECT_EQ(calls, QStringList({"wait", "stop", "endwait", "start"}));
    };
    insertDisk();
    putOnDrive("Orvalune.Bck", "an earlier backup");
    const QByteArray data = test::fileBytes(dataFile());
    ASSERT_TRUE(QFile::rename(dataFile(), dataFile() + ".x"));
    backupFails(err::FileNotFound);
    ASSERT_TRUE(QFile::rename(dataFile() + ".x", dataFile()));
    {
        const WriteProtect locked(drive());
        if (!locked.active) {
            GTEST_SKIP() << "this file system cannot write-protect a folder";
        }
        backupFails(err::PermissionDenied);
    }
    EXPECT_EQ(test::fileBytes(onDrive("Orvalune.Bck")), "an earlier backup");
    EXPECT_EQ(test::fileBytes(dataFile()), data);
    if (stick()) { // a locked stick without the Orvalune folder
        ASSERT_TRUE(QDir(drive()).removeRecursively());
        const WriteProtect locked(stickRoot());
        backupFails(err::PermissionDenied);
        EXPECT_FALSE(QFileInfo::exists(drive()));
    }
}

TEST_P(Commands, RestoreLooksAtTheFirstFileAsksFirstAndReturnsToTheLogon) {
    commands.restore();
    expectMessage("Insira um Disquete no Drive A:", msg::Okay, msg::Serious);
    insertDisk();
    commands.restore();
    expectMessage("Disquete não contém Backup da Orvalune!", msg::Okay, msg::Serious);
    putOnDrive("Orvalune.Bck", backupImage(test::fileBytes(dataFile())));
    putOnDrive("Agenda.txt", "x"); // sorts before the backup
    commands.restore();
    expectMessage("Disquete não contém Backup da Orvalune!", msg::Okay, msg::Serious);
    ASSERT_TRUE(QFile::remove(onDrive("Agenda.txt")));
    putOnDrive("zeta.txt", "x"); // after it: not looked at

    const QByteArray before = test::fileBytes(dataFile());
    commands.restore(); // cancelled
    expectMessage("Você Confirma Restaução do Backup?", msg::ConfirmCancel, msg::Question);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(test::fileBytes(dataFile()), before);
    EXPECT_FALSE(app.ctx.session.restoreFlag);

    // Confirmed: the backup's data come back and the logon window shows.
    app.logOn(app.addUser("ANA"));
    app.messages.answer(true);
    commands.restore();
    expectMessage(kRestoreDone, msg::Okay, msg::NoIcon);
    EXPECT_EQ(app.messages.texts().last(2),
              QStringList({"Você Confirma Restaução do Backup?", kRestoreDone}));
    EXPECT_EQ(calls, QStringList({"wait", "stop", "endwait", "endsession", "logon(flag)"}));
    EXPECT_EQ(test::fileBytes(dataFile()), before);
    EXPECT_EQ(app.count("Usuarios"), 0);
    EXPECT_EQ(programFiles(), QStringList({"dadosn.lst"}));
    EXPECT_TRUE(QFile::exists(onDrive("Orvalune.Bck")));
}

TEST_P(Commands, DamagedBackupsLeaveTheDataFileAlone) {
    app.addUser("ANA");
    const QByteArray data = test::fileBytes(dataFile());
    const QByteArray image = backupImage(data);
    const qsizetype n = image.size() - kTrailerSize;
    QByteArray badTrailer = image;
    badTrailer[n + 4] = 'x';

    const struct {
        QByteArray bytes;
        int code; // 0: any code but 0
    } cases[] = {
        {badTrailer, err::BadTrailer},
        {QByteArray(4000, 'z') + lengthTrailer(4000), 0},
        {QByteArray(), err::InvalidFileFormat},
        {backupImage("not a data file at all"), err::InvalidFileFormat},
        // The right key, but not a whole data file: a table or a column missing, or
        // an index that does not match its table.
        {backupImage(alteredDataFile({"Drop table Saldos"})), err::InvalidFileFormat},
        {backupImage(alteredDataFile(
             {"Create table T (Chave INTEGER PRIMARY KEY, Usuario INTEGER, Data TEXT, DataFim "
              "TEXT, Descricao TEXT, Status TEXT)",
              "Drop table Tarefas", "Alter table T rename to Tarefas"})),
         err::InvalidFileFormat},
        {backupImage(alteredDataFile(
             {"Insert into Notas (Usuario, Notas) values (7, 'x')", "PRAGMA writable_schema = ON",
              "Update sqlite_master set sql = 'CREATE INDEX NotasUsuario ON Notas (Chave)' "
              "Where name = 'NotasUsuario'"})),
         err::InvalidFileFormat},
    };
    insertDisk();
    test::writeFile(app.program.path("Orvalune.Bck")); // an interrupted restore
    for (const auto& c : cases) {
        putOnDrive("Orvalune.Bck", c.bytes);
        calls.clear();
        app.messages.answer(true);
        commands.restore();
        const int code = commands.lastError();
        if (c.code != 0) {
            EXPECT_EQ(code, c.code);
        }
        EXPECT_NE(code, 0);
        expectMessage(QString("Impossível Efetuar Restauração (%1)!").arg(code), msg::Okay,
                      msg::Serious);
        EXPECT_EQ(calls, QStringList({"wait", "stop", "endwait", "start"}));
        EXPECT_EQ(test::fileBytes(dataFile()), data);
        EXPECT_EQ(programFiles(), QStringList({"dadosn.lst"}));
        EXPECT_FALSE(app.ctx.session.restoreFlag);
    }
    EXPECT_EQ(app.count("Usuarios"), 1);
}

TEST_P(Commands, HourglassOnlyWhileWorking) {
    BackupHooks hooks;
    useWaitCursor(hooks);
    bool busyWhileWorking = false;
    hooks.stopDueCheck = [&] {
        busyWhileWorking = QApplication::overrideCursor() != nullptr &&
                           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    };
    commands.setHooks(hooks);
    bool busyDuringMessage = true;
    app.messages.whileShown([&] { busyDuringMessage = QApplication::overrideCursor() != nullptr; });
    insertDisk();
    commands.backup();
    EXPECT_TRUE(busyWhileWorking);
    EXPECT_FALSE(busyDuringMessage);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Drives, Commands, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Stick" : "Folder"; });

} // namespace
