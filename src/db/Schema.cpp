#include "db/Schema.h"

#include "db/Db.h"
#include "db/DbError.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QStringList>
#include <functional>
#include <sqlcipher/sqlite3.h>

namespace orv {
namespace {

const char* const kSchema = R"SQL(
CREATE TABLE Usuarios (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Login TEXT COLLATE NOCASE NOT NULL,
    Senha TEXT,
    Nome TEXT,
    Endereco TEXT,
    Cidade TEXT,
    Estado TEXT,
    Cep TEXT,
    Email TEXT,
    FoneRes TEXT,
    FoneCel TEXT,
    Aniversario TEXT,
    Pastinha TEXT
);

CREATE TABLE Configuracao (
    Chave INTEGER PRIMARY KEY AUTOINCREMENT,
    Usuario INTEGER NOT NULL,
    InicioGrade TEXT,
    FinalGrade TEXT,
    Intervalos INTEGER,
    PosicaoAniversarios TEXT,
    SomCompromisso TEXT,
    ChecagemGeral INTEGER,
    VisualizarCompartilhamento TEXT
);

CREATE TABLE Compromissos (
    Chave INTEGER PRIMARY KEY AUTOINCREMENT,
    Usuario INTEGER NOT NULL,
    Data TEXT,
    Hora TEXT,
    HoraFim TEXT,
    Compromisso TEXT,
    ChavePai INTEGER NOT NULL DEFAULT 0,
    Status TEXT,
    Compartilhado TEXT
);

CREATE TABLE Enderecos (
    Chave INTEGER PRIMARY KEY AUTOINCREMENT,
    Usuario INTEGER NOT NULL,
    Nome TEXT,
    Empresa TEXT,
    Endereco TEXT,
    Cidade TEXT,
    Estado TEXT,
    Cep TEXT,
    Email TEXT,
    FoneRes TEXT,
    FoneCel TEXT,
    FoneCom TEXT,
    Observacao TEXT,
    Aniversario TEXT,
    Compartilhado TEXT,
    ChaveAniversario INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE Financas (
    Chave INTEGER PRIMARY KEY AUTOINCREMENT,
    Usuario INTEGER NOT NULL,
    Data TEXT,
    Descricao TEXT,
    Recebido REAL,
    Pago REAL,
    Efetuado TEXT
);

CREATE TABLE Saldos (
    Usuario INTEGER NOT NULL,
    Ano INTEGER NOT NULL,
    M1 REAL NOT NULL DEFAULT 0, M2 REAL NOT NULL DEFAULT 0, M3 REAL NOT NULL DEFAULT 0,
    M4 REAL NOT NULL DEFAULT 0, M5 REAL NOT NULL DEFAULT 0, M6 REAL NOT NULL DEFAULT 0,
    M7 REAL NOT NULL DEFAULT 0, M8 REAL NOT NULL DEFAULT 0, M9 REAL NOT NULL DEFAULT 0,
    M10 REAL NOT NULL DEFAULT 0, M11 REAL NOT NULL DEFAULT 0, M12 REAL NOT NULL DEFAULT 0
);

CREATE TABLE Tarefas (
    Chave INTEGER PRIMARY KEY AUTOINCREMENT,
    Usuario INTEGER NOT NULL,
    Data TEXT,
    DataFim TEXT,
    Descricao TEXT,
    Status TEXT,
    Prioridade INTEGER
);

CREATE TABLE Notas (
    Chave INTEGER PRIMARY KEY AUTOINCREMENT,
    Usuario INTEGER NOT NULL,
    Notas TEXT
);

CREATE TABLE Sistema (EfetuoImportacao TEXT NOT NULL);
INSERT INTO Sistema (EfetuoImportacao) VALUES ('N');
)SQL";

// Tables and their columns, by name.
using TableColumns = QMap<QString, QStringList>;
// Runs a query and gives the values of its column "name".
using NameReader = std::function<QStringList(const QString& sql)>;

TableColumns readTables(const NameReader& names) {
    TableColumns tables;
    const QStringList all = names(QStringLiteral(
        "Select name from sqlite_master Where type = 'table' and name not like 'sqlite_%'"));
    for (const QString& table : all) {
        tables.insert(table, names(QStringLiteral("PRAGMA table_info(%1)").arg(table)));
    }
    return tables;
}

// The tables and columns of a fresh data file, read from its script run in memory.
const TableColumns& freshTables() {
    static const TableColumns tables = [] {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
        const TableColumns read = readTables([db](const QString& sql) {
            QStringList values;
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
            const int n = sqlite3_column_count(stmt);
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                for (int i = 0; i < n; ++i) {
                    if (qstrcmp(sqlite3_column_name(stmt, i), "name") == 0) {
                        values << QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
                    }
                }
            }
            sqlite3_finalize(stmt);
            return values;
        });
        sqlite3_close(db);
        return read;
    }();
    return tables;
}

// The look-up indexes. The contact list finds a user's rows, and a letter's
// range of names, on the (owner, name, company) indexes; the day grid,
// the reminders, the ledger and the task list each read through an index of
// their own. A data file made before one of them was added
// or changed gets it at start-up (upgradeIndexes).
const char* const kIndexes[] = {
    "CREATE INDEX UsuariosLogin ON Usuarios (Login)",
    "CREATE INDEX ConfiguracaoUsuario ON Configuracao (Usuario)",
    "CREATE INDEX CompromissosUsuarioData ON Compromissos (Usuario, Data, Hora)",
    "CREATE INDEX CompromissosDataCompartilhado ON Compromissos (Data, Compartilhado)",
    "CREATE INDEX CompromissosPai ON Compromissos (ChavePai)",
    "CREATE INDEX CompromissosPendentes ON Compromissos (Usuario, Status, Data)",
    "CREATE INDEX EnderecosUsuarioNome ON Enderecos (Usuario, Nome COLLATE NOCASE, Empresa "
    "COLLATE NOCASE)",
    "CREATE INDEX EnderecosCompartilhado ON Enderecos (Compartilhado, Nome COLLATE NOCASE, "
    "Empresa COLLATE NOCASE)",
    "CREATE INDEX FinancasUsuarioData ON Financas (Usuario, Data)",
    "CREATE UNIQUE INDEX SaldosUsuarioAno ON Saldos (Usuario, Ano)",
    "CREATE INDEX TarefasUsuarioFim ON Tarefas (Usuario, DataFim, Prioridade)",
    "CREATE INDEX NotasUsuario ON Notas (Usuario)",
};

// The index name of a statement: the word before " ON ".
QString indexName(const QString& statement) {
    const QString head = statement.section(QStringLiteral(" ON "), 0, 0);
    return head.section(QLatin1Char(' '), -1);
}

// Statements compared as the store keeps them, whatever their spacing or case.
QString comparable(const QString& statement) {
    return statement.simplified().toLower();
}

} // namespace

bool isWholeDataFile(const QString& path) {
    try {
        const SqlCipherFile file(path, Db::dataPassphrase());
        const RowSet check = file.query(QStringLiteral("PRAGMA integrity_check"));
        if (check.recordCount() != 1 || check.field(0).toString() != QLatin1String("ok")) {
            return false;
        }
        const TableColumns found = readTables([&file](const QString& sql) {
            QStringList values;
            for (RowSet rs = file.query(sql); !rs.eof(); rs.moveNext()) {
                values << rs.text(QStringLiteral("name"));
            }
            return values;
        });
        const TableColumns& fresh = freshTables();
        for (auto table = fresh.cbegin(); table != fresh.cend(); ++table) {
            for (const QString& column : table.value()) {
                if (!found.value(table.key()).contains(column)) {
                    return false;
                }
            }
        }
        return true;
    } catch (const DbError&) {
        return false;
    }
}

void createDataFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        throw DbError(kFileFailure, QStringLiteral("%1 já existe.").arg(path));
    }
    QString script = QString::fromUtf8(kSchema);
    for (const char* index : kIndexes) {
        script += QString::fromUtf8(index) + QStringLiteral(";\n");
    }
    SqlCipherFile::create(path, Db::dataPassphrase(), script);
}

int upgradeIndexes(Db& db) {
    QHash<QString, QString> present;
    RowSet rs = db.runQuery(QStringLiteral(
        "Select name, sql from sqlite_master Where type = 'index' and sql Is Not Null"));
    for (; !rs.eof(); rs.moveNext()) {
        present.insert(rs.text(QStringLiteral("name")).toLower(), rs.text(QStringLiteral("sql")));
    }
    QStringList wanted;
    for (const char* index : kIndexes) {
        const QString statement = QString::fromUtf8(index);
        const auto it = present.constFind(indexName(statement).toLower());
        if (it == present.constEnd() || comparable(*it) != comparable(statement)) {
            wanted << statement;
        }
    }
    if (wanted.isEmpty()) {
        return 0;
    }
    Transaction t(db);
    for (const QString& statement : wanted) {
        db.executeSql(QStringLiteral("Drop Index If Exists ") + indexName(statement));
        db.executeSql(statement);
    }
    t.commit();
    return static_cast<int>(wanted.size());
}

} // namespace orv
