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

TEST(Passwords, EveryCharacterSurvivesTheStoredForm) {
    EXPECT_EQ(encodePassword(QStringLiteral("AB")), QString(QChar(130)) + QChar(132));
    EXPECT_EQ(encodePassword({}), QString());
    // Characters from 127 up travel behind a code 1 and come back unchanged.
    QString all;
    for (int c = 1; c <= 255; ++c) {
        all += QChar(c);
    }
    EXPECT_EQ(decodePassword(encodePassword(all)), all);
    EXPECT_EQ(encodePassword(QString(QChar(0xE7))), QString(QChar(1)) + QChar(0xE7));
    EXPECT_EQ(decodePassword(QVariant()), QString());
    EXPECT_EQ(decodePassword(QString()), QString());
    // Odd stored codes halve to the nearest even integer: 131 -> 65.5 -> 66.
    EXPECT_EQ(decodePassword(QString(QChar(131))), QString(QChar(66)));
    EXPECT_EQ(decodePassword(QString(QChar(133))), QString(QChar(66)));
}

// What the boxes of test_key_modes do not type: control keys and the rarer refusals.
TEST(KeyFilter, ControlKeysAndRefusals) {
    for (int code : {keys::Backspace, keys::CtrlC, keys::CtrlV}) {
        EXPECT_EQ(filterKey(code, false), code);
        EXPECT_EQ(filterKey(code, true), code);
    }
    for (int code : {keys::Enter, keys::Tab, keys::CtrlX}) {
        EXPECT_EQ(filterKey(code, false), 0) << code;
    }
    for (int code : {'/', ' '}) {
        EXPECT_EQ(filterKey(code, true), 0) << code;
    }
    EXPECT_EQ(filterKey(0xE7, false), 0xE7);
}

TEST(KeyFilter, TwoDigitMaskWritesTheSeparator) {
    const auto r = twoDigitMask(QStringLiteral("2"), false, '5', QLatin1Char('/'));
    EXPECT_EQ(r.kind, MaskResult::Replace);
    EXPECT_EQ(r.text, QStringLiteral("25/"));
    EXPECT_EQ(r.caret, 3);
    const struct {
        const char* text;
        bool selection;
        int key;
        MaskResult::Kind kind;
    } cases[] = {
        {"", false, 'x', MaskResult::Drop},
        {"09:3", false, 'a', MaskResult::Drop},
        {"1", false, keys::Backspace, MaskResult::Accept},
        {"08", true, 'x', MaskResult::Accept}, // a selection lets any key through
    };
    for (const auto& c : cases) {
        EXPECT_EQ(twoDigitMask(QLatin1String(c.text), c.selection, c.key, QLatin1Char(':')).kind,
                  c.kind)
            << c.text << " + " << c.key;
    }
}

TEST(Logon, LookupPasswordAndSessionLoad) {
    TestApp app;
    const qint64 ana =
        app.addUser(QStringLiteral("ANA"), QStringLiteral("Segredo"), QStringLiteral("Financas"));
    app.ctx.db.executeSql(QStringLiteral("Update Usuarios set Nome = NULL, Aniversario = NULL "
                                         "Where Codigo = ?"),
                          {ana});

    // The login is looked up as typed: trailing blanks are part of it.
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA "), QStringLiteral("Segredo")),
              LogonResult::UnknownUser);
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA"), QStringLiteral("segredo")),
              LogonResult::WrongPassword);
    EXPECT_FALSE(app.ctx.session.loggedOn());
    EXPECT_EQ(logOn(app.ctx, kRestoreWord, {}), LogonResult::Restore);

    // Logins compare without regard to case, accented letters included.
    app.addUser(QStringLiteral("JOÃO"));
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("joão"), {}), LogonResult::LoggedOn);
    ASSERT_EQ(logOn(app.ctx, QStringLiteral("ana"), QStringLiteral("Segredo")),
              LogonResult::LoggedOn);
    const Session& s = app.ctx.session;
    EXPECT_EQ(s.userCode, ana);
    EXPECT_EQ(s.login, QStringLiteral("ana"));
    EXPECT_EQ(s.password, QStringLiteral("Segredo"));
    EXPECT_EQ(s.lastPanel, QStringLiteral("Financas"));
    EXPECT_EQ(s.name, QString());
    EXPECT_EQ(s.birthday, QDate(1900, 1, 1));
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
