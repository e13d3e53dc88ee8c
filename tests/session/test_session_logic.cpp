#include "support/TestSupport.h"

#include "db/DbError.h"
#include "session/KeyFilter.h"
#include "session/Logon.h"
#include "session/Passwords.h"
#include "session/SessionEnd.h"
#include "session/Startup.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

TEST(Passwords, EncodeDecodeRoundTripAndStoredForm) {
    EXPECT_EQ(encodePassword(QStringLiteral("AB")), QString(QChar(130)) + QChar(132));
    EXPECT_EQ(encodePassword({}), QString());
    // Characters from 127 up travel behind a code 1 and come back unchanged.
    const QString mixed = QStringLiteral("sEnh@ 9~") + QChar(0xE7) + QChar(0x7F) + QChar(0xE3);
    EXPECT_EQ(decodePassword(encodePassword(mixed)), mixed);
    EXPECT_EQ(encodePassword(QString(QChar(0xE7))), QString(QChar(1)) + QChar(0xE7));
    EXPECT_EQ(decodePassword(QVariant()), QString());
    EXPECT_EQ(decodePassword(QString()), QString());
}

TEST(KeyFilter, TextAndNumericModes) {
    for (int code : {keys::Backspace, keys::CtrlC, keys::CtrlV}) {
        EXPECT_EQ(filterKey(code, false), code);
        EXPECT_EQ(filterKey(code, true), code);
    }
    EXPECT_EQ(filterKey('\'', false), 0);
    EXPECT_EQ(filterKey(keys::Enter, false), 0);
    EXPECT_EQ(filterKey(keys::Tab, false), 0);
    EXPECT_EQ(filterKey(keys::CtrlX, false), 0);
    EXPECT_EQ(filterKey('a', false), 'a');
    EXPECT_EQ(filterKey(0xE7, false), 0xE7);
    for (int code : {'0', '9', '.', '-'}) {
        EXPECT_EQ(filterKey(code, true), code);
    }
    for (int code : {'a', ',', '/', ' '}) {
        EXPECT_EQ(filterKey(code, true), 0);
    }
}

TEST(KeyFilter, TwoDigitMaskWritesTheSeparator) {
    auto r = twoDigitMask(QStringLiteral("0"), false, '9', QLatin1Char(':'));
    EXPECT_EQ(r.kind, MaskResult::Replace);
    EXPECT_EQ(r.text, QStringLiteral("09:"));
    EXPECT_EQ(r.caret, 3);
    EXPECT_EQ(twoDigitMask(QStringLiteral("0"), false, 'x', QLatin1Char(':')).kind,
              MaskResult::Drop);
    EXPECT_EQ(twoDigitMask({}, false, 'x', QLatin1Char(':')).kind, MaskResult::Drop);
    EXPECT_EQ(twoDigitMask(QStringLiteral("09:"), false, '3', QLatin1Char(':')).kind,
              MaskResult::Accept);
    EXPECT_EQ(twoDigitMask(QStringLiteral("09:3"), false, 'a', QLatin1Char(':')).kind,
              MaskResult::Drop);
    EXPECT_EQ(twoDigitMask(QStringLiteral("0"), true, 'x', QLatin1Char(':')).kind,
              MaskResult::Accept);
    EXPECT_EQ(twoDigitMask(QStringLiteral("1"), false, keys::Backspace, QLatin1Char(':')).kind,
              MaskResult::Accept);
    EXPECT_EQ(twoDigitMask(QStringLiteral("2"), false, '5', QLatin1Char('/')).text,
              QStringLiteral("25/"));
}

TEST(Logon, LookupPasswordAndSessionLoad) {
    TestApp app;
    const qint64 ana =
        app.addUser(QStringLiteral("ANA"), QStringLiteral("Segredo"), QStringLiteral("Financas"));
    app.ctx.db.executeSql(QStringLiteral("Update Usuarios set Nome = NULL, Aniversario = NULL "
                                         "Where Codigo = ?"),
                          {ana});

    EXPECT_EQ(logOn(app.ctx, QStringLiteral("BIA"), {}), LogonResult::UnknownUser);
    // The login is looked up as typed: trailing blanks are part of it.
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA "), QStringLiteral("Segredo")),
              LogonResult::UnknownUser);
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA"), QStringLiteral("segredo")),
              LogonResult::WrongPassword);
    EXPECT_FALSE(app.ctx.session.loggedOn());
    EXPECT_EQ(logOn(app.ctx, kRestoreWord, {}), LogonResult::Restore);

    // The store compares logins without regard to case.
    ASSERT_EQ(logOn(app.ctx, QStringLiteral("ana"), QStringLiteral("Segredo")),
              LogonResult::LoggedOn);
    const Session& s = app.ctx.session;
    EXPECT_EQ(s.userCode, ana);
    EXPECT_EQ(s.login, QStringLiteral("ana"));
    EXPECT_EQ(s.password, QStringLiteral("Segredo"));
    EXPECT_EQ(s.lastPanel, QStringLiteral("Financas"));
    EXPECT_EQ(s.name, QString());
    EXPECT_EQ(s.birthday, QDate(1900, 1, 1));
    EXPECT_EQ(logonRefusal(LogonResult::UnknownUser), QStringLiteral("Usuário não cadastrado !"));
    EXPECT_EQ(logonRefusal(LogonResult::WrongPassword), QStringLiteral("Senha não confere !"));
}

TEST(Logon, NewUserChecksAndAutomaticLogon) {
    TestApp app;
    EXPECT_TRUE(automaticLogonUser(app.ctx.db).eof());
    EXPECT_EQ(checkNewUser(app.ctx, QStringLiteral("   ")), NewUserResult::EmptyLogin);
    app.addUser(QStringLiteral("ANA"));
    EXPECT_FALSE(automaticLogonUser(app.ctx.db).eof());
    EXPECT_EQ(checkNewUser(app.ctx, QStringLiteral("ana")), NewUserResult::Duplicate);
    EXPECT_EQ(checkNewUser(app.ctx, QStringLiteral("ANA  ")), NewUserResult::Duplicate);
    EXPECT_EQ(checkNewUser(app.ctx, QStringLiteral("BIA")), NewUserResult::Accepted);
    app.addUser(QStringLiteral("BIA"));
    EXPECT_TRUE(automaticLogonUser(app.ctx.db).eof()) << "two users never log on by themselves";

    TestApp withPassword;
    withPassword.addUser(QStringLiteral("CAIO"), QStringLiteral("x"));
    EXPECT_TRUE(automaticLogonUser(withPassword.ctx.db).eof());
}

TEST(Logon, ImportOnlyWithOldFileAndFlagN) {
    TestApp app;
    app.ctx.session.importFlag = QStringLiteral("N");
    EXPECT_FALSE(canImport(app.ctx)) << "no version 1.0 file";
    QDir().mkpath(app.ctx.paths.v1Folder);
    SqlCipherFile::create(app.ctx.paths.oldDataFile(), Db::oldPassphrase(),
                          QStringLiteral("Create table Config (Codigo integer);"));
    EXPECT_TRUE(canImport(app.ctx));
    app.ctx.session.importFlag = QStringLiteral("S");
    EXPECT_FALSE(canImport(app.ctx));
}

TEST(Startup, DataFileChecksAndLeftovers) {
    TestApp app;
    EXPECT_EQ(checkDataFile(app.ctx.db).check, DataCheck::Usable);
    EXPECT_FALSE(checkDataFile(app.ctx.db).hasUsers);
    app.addUser(QStringLiteral("ANA"));
    EXPECT_TRUE(checkDataFile(app.ctx.db).hasUsers);

    QFile::remove(app.ctx.paths.dataFile());
    EXPECT_EQ(checkDataFile(app.ctx.db).check, DataCheck::FileInvalid);
    QFile junk(app.ctx.paths.dataFile());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_EQ(checkDataFile(app.ctx.db).check, DataCheck::FileInvalid);

    EXPECT_TRUE(screenTooSmall(599));
    EXPECT_FALSE(screenTooSmall(600));

    const QDir v1(app.ctx.paths.v1Folder);
    removeVersion1Leftovers(app.ctx.paths); // the folder does not exist yet: no error
    QDir().mkpath(v1.path());
    for (const char* name : {"Agenda.exe", "alarm.wav", "dados.lst"}) {
        QFile f(v1.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    removeVersion1Leftovers(app.ctx.paths);
    EXPECT_EQ(v1.entryList(QDir::Files), QStringList{QStringLiteral("dados.lst")});
}

TEST(SessionEnd, ForgetsTheUserAndRunsEveryReset) {
    TestApp app;
    const qint64 ana = app.addUser(QStringLiteral("ANA"), QStringLiteral("s"));
    app.logOn(ana);
    int resets = 0;
    app.ctx.resets.add([&] { ++resets; });
    app.ctx.resets.add([&] { resets += 10; });

    EXPECT_TRUE(endSession(app.ctx));
    const Session& s = app.ctx.session;
    EXPECT_EQ(resets, 11);
    EXPECT_FALSE(s.loggedOn());
    EXPECT_TRUE(s.loggedOutFlag);
    EXPECT_TRUE(s.login.isEmpty());
    EXPECT_TRUE(s.password.isEmpty());
    EXPECT_TRUE(s.lastPanel.isEmpty());
    EXPECT_EQ(app.ctx.settings.configKey, 0);
    EXPECT_EQ(app.ctx.settings.gridStep, 0);

    app.ctx.db.executeSql(QStringLiteral("Delete from Usuarios"));
    EXPECT_FALSE(endSession(app.ctx)) << "no user left: only a new user can be created";
}
