#include "support/Faults.h"
#include "support/TestSupport.h"

#include "db/DbError.h"
#include "session/KeyFilter.h"
#include "session/Logon.h"
#include "session/PasswordHash.h"
#include "session/Passwords.h"
#include "session/SessionEnd.h"
#include "session/SingleCopy.h"
#include "session/Startup.h"

#include <QSignalSpy>

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
TEST(KeyFilter, ControlKeysRefusalsAndTheTwoDigitMask) {
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

    // The two-digit mask writes the separator.
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
    // A password still stored in the older scrambled form.
    app.ctx.db.executeSql(QStringLiteral("Update Usuarios set Nome = NULL, Aniversario = NULL, "
                                         "Senha = ? Where Codigo = ?"),
                          {encodePassword(QStringLiteral("Segredo")), ana});
    const auto stored = [&] {
        return app.ctx.db.runQuery(QStringLiteral("Select Senha from Usuarios")).field("Senha");
    };

    // The login is looked up as typed: trailing blanks are part of it.
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA "), QStringLiteral("Segredo")),
              LogonResult::UnknownUser);
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA"), QStringLiteral("segredo")),
              LogonResult::WrongPassword);
    EXPECT_FALSE(app.ctx.session.loggedOn());
    EXPECT_EQ(stored(), encodePassword(QStringLiteral("Segredo")));

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
    // The logon that opened it stored the hash instead, which opens it too.
    EXPECT_TRUE(isPasswordHash(stored().toString()));
    EXPECT_FALSE(stored().toString().contains(QStringLiteral("Segredo")));
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("ANA"), QStringLiteral("Segredo")),
              LogonResult::LoggedOn);

    // A session end forgets the user and the settings; the windows' part is
    // checked by the hand-over tests.
    app.logOn(ana);
    EXPECT_TRUE(endSession(app.ctx));
    EXPECT_FALSE(s.loggedOn());
    EXPECT_TRUE(s.loggedOutFlag);
    EXPECT_EQ(s.login + s.password + s.lastPanel, "");
    EXPECT_EQ(app.ctx.settings.configKey + app.ctx.settings.gridStep, 0);
    app.ctx.db.executeSql(QStringLiteral("Delete from Usuarios"));
    EXPECT_FALSE(endSession(app.ctx)) << "no user left: only a new user can be created";
}

// The start-up before the logon window: who may start, what is cleaned, what ends it.
TEST(Startup, ClaimsTheFolderCleansLeftoversAndChecksTheData) {
    TestApp app;
    const QString folder = app.ctx.paths.programFolder;
    const auto start = [&](int height = 768) {
        app.messages.clear();
        SingleCopy copy(folder);
        return startUp(app.ctx, copy, height);
    };
    EXPECT_EQ(start(599).exitCode, 0);
    EXPECT_EQ(app.messages.texts(), QStringList{kScreenTooSmall});

    // Leftovers of version 1.0 and of an interrupted restore go; the rest stays.
    const QDir v1(app.ctx.paths.v1Folder);
    for (const QString& path :
         {v1.filePath("Agenda.exe"), v1.filePath("alarm.wav"), v1.filePath("dados.lst"),
          app.program.path("Orvalune.Bck"), app.program.path(".Orvalune.Bck.0badf00d.tmp")}) {
        writeFile(path);
    }
    EXPECT_EQ(start().exitCode, std::nullopt);
    EXPECT_EQ(v1.entryList(QDir::Files), QStringList{"dados.lst"});
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"dadosn.lst"});
    EXPECT_FALSE(start().hasUsers);
    app.addUser(QStringLiteral("ANA"));
    EXPECT_TRUE(start().hasUsers);

    // A live copy keeps the folder: a second start ends silently and brings it forward.
    {
        SingleCopy first(folder);
        ASSERT_EQ(first.claim(), SingleCopy::Claim::Taken);
        QSignalSpy forward(&first, &SingleCopy::comeForwardWanted);
        EXPECT_EQ(start().exitCode, 0);
        EXPECT_TRUE(forward.count() == 1 || forward.wait(5000));
        EXPECT_TRUE(app.messages.standard().isEmpty());
    }
    // A folder that cannot hold the lock file is named, and the start fails.
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        WithoutRootOverride asAnyone;
        EXPECT_EQ(start().exitCode, 1);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(app.messages.standard().size(), 1);
    EXPECT_TRUE(app.messages.standard()[0].contains(folder));
    if (SmallDisk disk(folder); disk.mounted()) {
        disk.fill();
        EXPECT_EQ(start().exitCode, 1);
        EXPECT_TRUE(app.messages.standard().value(0).contains("disco pode estar cheio"));
    }

    // A file from before the current indexes gets them, all in one go and
    // nothing else; a file that cannot take them still starts, unchanged.
    const auto schema = [&] {
        return allFields(app.ctx.db.runQuery("Select * from sqlite_master Order By type, name"),
                         "type name sql");
    };
    const QStringList current = schema();
    const QByteArray untouched = fileBytes(app.ctx.paths.dataFile());
    checkDataFile(app.ctx.db);
    EXPECT_EQ(fileBytes(app.ctx.paths.dataFile()), untouched) << "a current file is not written";
    for (const char* sql : {"Drop Index TarefasUsuarioFim", "Drop Index EnderecosUsuarioNome",
                            "Create Index EnderecosUsuarioNome On Enderecos (Usuario, Nome)",
                            "Drop Index SaldosUsuarioAno",
                            "Insert into Saldos (Usuario, Ano) values (1, 2020), (1, 2020)"}) {
        app.ctx.db.executeSql(QString::fromLatin1(sql));
    }
    const QStringList old = schema();
    EXPECT_TRUE(checkDataFile(app.ctx.db).hasUsers) << "the unique index cannot be made";
    EXPECT_EQ(schema(), old);
    app.ctx.db.executeSql("Delete from Saldos");
    EXPECT_TRUE(checkDataFile(app.ctx.db).hasUsers);
    EXPECT_EQ(schema(), current);
    EXPECT_EQ(app.count("Usuarios"), 1);

    QFile::remove(app.ctx.paths.dataFile());
    EXPECT_EQ(start().exitCode, 1);
    EXPECT_EQ(app.messages.standard(), QStringList{kDataFileInvalid});
    writeFile(app.ctx.paths.dataFile(), QByteArray(4096, 'x'));
    EXPECT_EQ(start().exitCode, 1);
}
