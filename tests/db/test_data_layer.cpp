#include "support/TestSupport.h"

#include "db/AccessFunctions.h"
#include "db/DbError.h"
#include "db/TextFolding.h"

#include <QProcess>
#include <cstdio>

using namespace orv;

namespace {

struct DataLayer : ::testing::Test {
    test::TestApp app;
    Db& db = app.ctx.db;
};

TEST_F(DataLayer, SnapshotReadsFrontToBackWithNullsApart) {
    const qint64 a = app.addUser("ANA");
    const qint64 b = app.addUser("BETO", "segredo");
    EXPECT_GT(b, a);
    RowSet rs = db.runQuery("Select * from Usuarios Order By Codigo");
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.integer("codigo"), a); // column names are not case-sensitive
    EXPECT_TRUE(rs.isNull("Senha"));
    EXPECT_TRUE(rs.isNull("Endereco"));
    EXPECT_EQ(rs.text("Endereco"), "");
    EXPECT_EQ(rs.date("Aniversario"), QDate(1900, 1, 1));
    rs.moveNext();
    EXPECT_FALSE(rs.isNull("Senha"));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.text("Login"), DbError);
    rs.close();
    EXPECT_TRUE(rs.eof());
}

TEST_F(DataLayer, AccessFunctionsWorkInStatements) {
    const qint64 u = app.addUser("ANA");
    db.executeSql("Insert into Compromissos(Usuario,Data,Hora,Compromisso,ChavePai,Status,"
                  "Compartilhado) values (?,cdate('31/12/2026'),cdate('9:05'),'x',0,'0','N')",
                  {u});
    EXPECT_EQ(test::fields(db.runQuery("Select Data, Hora, day(Data) as D, Month(Data) as M, "
                                       "Year(Data) as Y from Compromissos"),
                           "Data Hora D M Y"),
              "2026-12-31|09:05:00|31|12|2026");
    EXPECT_EQ(app.count("Compromissos Where Hora <= cdate('09:05:00')"), 1);

    RowSet s = db.runQuery(
        "Select Asc(?) as a, Asc(\"Left\"(?,1)) as b, ucase(?) as c, \"Left\"(?,2) as d",
        {"A", QString::fromUtf8("éx"), QString::fromUtf8("ágil"), "Xyz"});
    EXPECT_EQ(test::fields(s, "a b c d"), QString::fromUtf8("65|233|ÁGIL|Xy"));
    EXPECT_THROW(db.runQuery("Select cdate('32/01/2026') as x"), DbError);

    EXPECT_EQ(accessCDate("1/1/1900").value_or(""), "1900-01-01");
    EXPECT_FALSE(accessCDate("25:00").has_value());
}

// Each failure tells whether the file is at fault, and why.
TEST_F(DataLayer, FailuresTellTheirCause) {
    const QString junk = test::writeFile(app.program.path("lixo.lst"), QByteArray(4096, 'x'));
    const SqlCipherFile missing(app.program.path("nada.lst"), Db::dataPassphrase());
    const SqlCipherFile wrongKey(app.ctx.paths.dataFile(), "outra senha");
    const SqlCipherFile notADatabase(junk, Db::dataPassphrase());
    const struct {
        const SqlCipherFile& file;
        const char* sql;
        bool fileFailure;
        DbCause cause;
    } cases[] = {
        {db.dataFile(), "Select * from NaoExiste", false, DbCause::Other},
        {missing, "Select * from Usuarios", true, DbCause::Missing},
        {wrongKey, "Select * from Usuarios", true, DbCause::Damaged},
        {notADatabase, "Select * from Usuarios", true, DbCause::Damaged},
    };
    for (const auto& c : cases) {
        try {
            c.file.query(c.sql);
            ADD_FAILURE() << c.sql;
        } catch (const DbError& e) {
            EXPECT_EQ(e.isFileFailure(), c.fileFailure) << e.what();
            EXPECT_EQ(e.cause(), c.cause) << e.what();
        }
    }
}

// The connection stays open between calls; a file put in its place by a
// rename (as a restore does) is noticed at the next call (one taken away: the
// failure policy's table).
TEST_F(DataLayer, AReplacedFileIsNoticedBetweenCalls) {
    app.addUser("ANA");
    EXPECT_EQ(app.count("Usuarios"), 1);

    test::TestApp other;
    other.addUser("BETO");
    other.addUser("CAIO");
    const QString copy = app.program.path("outro.lst");
    ASSERT_TRUE(QFile::copy(other.ctx.paths.dataFile(), copy));
    ASSERT_EQ(::rename(QFile::encodeName(copy).constData(),
                       QFile::encodeName(app.ctx.paths.dataFile()).constData()),
              0);
    EXPECT_EQ(app.count("Usuarios"), 2);
    db.executeSql("Delete from Usuarios Where Login = ?", {"CAIO"});
    EXPECT_EQ(other.count("Usuarios"), 2); // the write went to the file now in place
    EXPECT_EQ(app.count("Usuarios"), 1);
}

TEST_F(DataLayer, RowsReadOneByOneGiveTextsNumbersAndNulls) {
    app.addUser("ANA");
    app.addUser(QString::fromUtf8("JOÃO"), "x");
    QStringList seen;
    db.forEachRow("Select Codigo, Login, Senha from Usuarios Where Codigo > ? Order By Codigo", {0},
                  [&](const RowCursor& row) {
                      const int senha = row.column("senha");
                      seen << QString::number(row.integer(row.column("CODIGO"))) +
                                  row.text(row.column("Login")) + (row.isNull(senha) ? "-" : "+") +
                                  row.text(senha).left(0);
                      EXPECT_THROW(row.column("Nada"), DbError);
                  });
    EXPECT_EQ(seen, QStringList({"1ANA-", QString::fromUtf8("2JOÃO+")}));
    EXPECT_THROW(db.forEachRow("Select * from NaoExiste", {}, [](const RowCursor&) {}), DbError);
}

TEST_F(DataLayer, FoldedTextIgnoresCaseAndAccentsAlike) {
    const std::pair<const char*, const char*> cases[] = {
        {"Érica Dias", "erica dias"},
        {"JOÃO", "joao"},
        {"Ítalo Ñandú", "italo nandu"},
        {"açaí Ç", "acai c"},
        {"e\u0301", "e"},
        {"Øster 1º", "øster 1º"},
        {"😀 ß", "😀 ß"},
    };
    for (const auto& [text, folded] : cases) {
        const QString expected = QString::fromUtf8(folded);
        EXPECT_EQ(foldedText(QString::fromUtf8(text)), expected) << text;
        EXPECT_EQ(db.runQuery("Select folded(?) as f", {QString::fromUtf8(text)}).text("f"),
                  expected)
            << text;
    }
}

TEST_F(DataLayer, TheDataFileIsEncryptedAndTheStockShellChecksIt) {
    const QByteArray bytes = test::fileBytes(app.ctx.paths.dataFile());
    ASSERT_GT(bytes.size(), 1024);
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));
    EXPECT_FALSE(bytes.contains("Compromissos"));

    // With its key, the stock shell finds a sound file: the schema names only
    // SQLite's own collations and functions.
    QProcess shell;
    shell.start(QStringLiteral("sqlcipher"), {app.ctx.paths.dataFile()});
    shell.write("PRAGMA key = '" + Db::dataPassphrase() + "';\nPRAGMA integrity_check;\n");
    shell.closeWriteChannel();
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.readAllStandardOutput().trimmed(), "ok") << shell.readAllStandardError().data();
}

} // namespace
