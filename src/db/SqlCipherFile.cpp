#include "db/SqlCipherFile.h"

#include "db/AccessFunctions.h"
#include "db/DbError.h"
#include "db/TextFolding.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <cerrno>
#include <fcntl.h>
#include <openssl/evp.h>
#include <sqlcipher/sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

// The file format's key derivation (PBKDF2-HMAC-SHA1, 64000 rounds, 256-bit key,
// salt in the first 16 bytes of the file). It is slow by design, so it runs once
// per file and run; every connection then gives the derived key directly.
constexpr int kSaltSize = 16;
constexpr int kKdfIterations = 64000;
constexpr int kKeySize = 32;

bool isFileCode(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_CANTOPEN || primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ||
           primary == SQLITE_PERM || primary == SQLITE_AUTH;
}

DbCause causeOf(sqlite3* db, int rc) {
    switch (rc & 0xff) {
    case SQLITE_FULL:
        return DbCause::DiskFull;
    case SQLITE_READONLY:
        return DbCause::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbCause::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DbCause::Damaged;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return DbCause::NoAccess;
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
        return db ? causeOfErrno(sqlite3_system_errno(db)) : DbCause::Other;
    default:
        return DbCause::Other;
    }
}

[[noreturn]] void fail(sqlite3* db, int rc) {
    const QString text =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    throw DbError(isFileCode(rc) ? kFileFailure : rc, text, causeOf(db, rc));
}

[[noreturn]] void failToOpen(const QString& path, int errnum) {
    throw DbError(kFileFailure, QStringLiteral("Não foi possível abrir %1.").arg(path),
                  causeOfErrno(errnum));
}

void bind(sqlite3* db, sqlite3_stmt* stmt, const Params& params) {
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        const int slot = i + 1;
        int rc = SQLITE_OK;
        switch (v.typeId()) {
        case QMetaType::UnknownType:
            rc = sqlite3_bind_null(stmt, slot);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(stmt, slot, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, slot, v.toDouble());
            break;
        default: {
            QString text;
            if (v.typeId() == QMetaType::QDate) {
                text = storedDate(v.toDate());
            } else if (v.typeId() == QMetaType::QTime) {
                text = storedTime(v.toTime());
            } else if (v.isNull()) {
                rc = sqlite3_bind_null(stmt, slot);
                break;
            } else {
                text = v.toString();
            }
            const QByteArray utf8 = text.toUtf8();
            rc = sqlite3_bind_text(stmt, slot, utf8.constData(), static_cast<int>(utf8.size()),
                                   SQLITE_TRANSIENT);
        }
        }
        if (rc != SQLITE_OK) {
            fail(db, rc);
        }
    }
}

QVariant columnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(stmt, i)));
    }
    }
}

} // namespace

class SqlCipherFile::Connection {
public:
    explicit Connection(sqlite3* db) : db_(db) {}
    ~Connection() { sqlite3_close_v2(db_); }
    sqlite3* get() const { return db_; }

    struct Statement {
        sqlite3_stmt* stmt = nullptr;
        ~Statement() { sqlite3_finalize(stmt); }
    };

    void prepare(Statement& s, const QString& sql, const Params& params) const {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()),
                                          &s.stmt, nullptr);
        if (rc != SQLITE_OK) {
            fail(db_, rc);
        }
        bind(db_, s.stmt, params);
    }

    // Steps through a prepared statement's rows, handing each to visit.
    template <typename Visit> void stepAll(Statement& s, Visit visit) const {
        int rc;
        while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
            visit(s.stmt);
        }
        if (rc != SQLITE_DONE) {
            fail(db_, rc);
        }
    }

    template <typename Visit>
    void each(const QString& sql, const Params& params, Visit visit) const {
        Statement s;
        prepare(s, sql, params);
        stepAll(s, visit);
    }

    RowSet query(const QString& sql, const Params& params) const {
        Statement s;
        prepare(s, sql, params);
        QStringList columns;
        const int n = sqlite3_column_count(s.stmt);
        for (int i = 0; i < n; ++i) {
            columns << QString::fromUtf8(sqlite3_column_name(s.stmt, i));
        }
        QVector<QVector<QVariant>> rows;
        stepAll(s, [&](sqlite3_stmt* stmt) {
            QVector<QVariant> row(n);
            for (int i = 0; i < n; ++i) {
                row[i] = columnValue(stmt, i);
            }
            rows.push_back(std::move(row));
        });
        return RowSet(std::move(columns), std::move(rows));
    }

    int execute(const QString& sql, const Params& params) const {
        each(sql, params, [](sqlite3_stmt*) {});
        return sqlite3_changes(db_);
    }

private:
    sqlite3* db_;
};

SqlCipherFile::SqlCipherFile(QString path, QByteArray passphrase)
    : path_(std::move(path)), passphrase_(std::move(passphrase)) {}

SqlCipherFile::~SqlCipherFile() = default;

namespace {

// Keys already derived in this run, by passphrase and salt: a file restored from
// a backup, or copied, opens without deriving its key again.
QHash<QByteArray, QByteArray>& derivedKeys() {
    static QHash<QByteArray, QByteArray> keys;
    return keys;
}
QMutex& derivedKeysLock() {
    static QMutex lock;
    return lock;
}

} // namespace

QByteArray SqlCipherFile::rawKeyFor(const QByteArray& salt) const {
    const QByteArray cacheKey = passphrase_ + '\0' + salt;
    const QMutexLocker locker(&derivedKeysLock());
    auto it = derivedKeys().constFind(cacheKey);
    if (it != derivedKeys().constEnd()) {
        return it.value();
    }
    unsigned char key[kKeySize];
    if (PKCS5_PBKDF2_HMAC_SHA1(passphrase_.constData(), static_cast<int>(passphrase_.size()),
                               reinterpret_cast<const unsigned char*>(salt.constData()),
                               static_cast<int>(salt.size()), kKdfIterations, kKeySize, key) != 1) {
        throw DbError(SQLITE_ERROR, QStringLiteral("Falha ao derivar a chave do arquivo."));
    }
    const QByteArray raw = "x'" + QByteArray(reinterpret_cast<const char*>(key), kKeySize).toHex() +
                           salt.toHex() + "'";
    derivedKeys().insert(cacheKey, raw);
    return raw;
}

// Opens a new connection to the file at the path, keyed with the derived key.
std::shared_ptr<SqlCipherFile::Connection> SqlCipherFile::connect() const {
    QByteArray salt(kSaltSize, Qt::Uninitialized);
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        failToOpen(path_, errno);
    }
    const ssize_t read = ::read(fd, salt.data(), kSaltSize);
    ::close(fd);
    if (read != kSaltSize) {
        throw DbError(kFileFailure, QStringLiteral("%1 não é um arquivo de dados.").arg(path_),
                      DbCause::Damaged);
    }
    const QByteArray key = rawKeyFor(salt);

    sqlite3* raw = nullptr;
    // A connection serves one thread, so SQLite's own locking per call is spared.
    const int rc = sqlite3_open_v2(path_.toUtf8().constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    auto connection = std::make_shared<Connection>(raw);
    if (rc != SQLITE_OK) {
        fail(raw, rc);
    }
    sqlite3_key(raw, key.constData(), static_cast<int>(key.size()));
    sqlite3_busy_timeout(raw, 5000);
    // Room for the decrypted pages of a large address book or year of
    // appointments; pages are only taken as they are read.
    sqlite3_exec(raw, "PRAGMA cache_size = -8192", nullptr, nullptr, nullptr);
    registerAccessFunctions(raw);
    registerTextFolding(raw);
    return connection;
}

std::shared_ptr<SqlCipherFile::Connection> SqlCipherFile::open() const {
    if (pinned_) {
        return held_;
    }
    struct stat now {};
    if (::stat(QFile::encodeName(path_).constData(), &now) != 0) {
        held_.reset();
        failToOpen(path_, errno);
    }
    if (!held_ || now.st_dev != heldDevice_ || now.st_ino != heldInode_) {
        held_.reset();
        held_ = connect();
        heldDevice_ = now.st_dev;
        heldInode_ = now.st_ino;
    }
    return held_;
}

void SqlCipherFile::release() const {
    if (!pinned_) {
        held_.reset();
    }
}

// Runs work on the connection. A file that turns out missing or unreadable
// is opened afresh by the next call.
template <typename Work> auto SqlCipherFile::withConnection(Work work) const {
    try {
        return work(*open());
    } catch (const DbError& e) {
        if (e.isFileFailure()) {
            release();
        }
        throw;
    }
}

RowSet SqlCipherFile::query(const QString& sql, const Params& params) const {
    return withConnection([&](const Connection& c) { return c.query(sql, params); });
}

void SqlCipherFile::checkWritable() const {
    if (failWrites_ != SQLITE_OK) {
        fail(nullptr, failWrites_);
    }
}

int SqlCipherFile::execute(const QString& sql, const Params& params) const {
    checkWritable();
    return withConnection([&](const Connection& c) { return c.execute(sql, params); });
}

qint64 SqlCipherFile::insert(const QString& sql, const Params& params) const {
    checkWritable();
    return withConnection([&](const Connection& c) {
        c.execute(sql, params);
        return static_cast<qint64>(sqlite3_last_insert_rowid(c.get()));
    });
}

void SqlCipherFile::forEachRow(const QString& sql, const Params& params,
                               const std::function<void(const RowCursor&)>& visit) const {
    withConnection([&](const Connection& c) {
        c.each(sql, params, [&](sqlite3_stmt* stmt) { visit(RowCursor(stmt)); });
    });
}

void SqlCipherFile::begin() {
    if (pinned_) {
        throw DbError(SQLITE_MISUSE, QStringLiteral("Transação já aberta."));
    }
    checkWritable();
    withConnection([](const Connection& c) { c.execute(QStringLiteral("BEGIN IMMEDIATE"), {}); });
    pinned_ = true;
}

void SqlCipherFile::commit() {
    if (!pinned_) {
        return;
    }
    held_->execute(QStringLiteral("COMMIT"), {});
    pinned_ = false;
}

void SqlCipherFile::rollback() {
    if (!pinned_) {
        return;
    }
    pinned_ = false;
    sqlite3_exec(held_->get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqlCipherFile::create(const QString& path, const QByteArray& passphrase,
                           const QString& script) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Connection connection(raw);
    if (rc != SQLITE_OK) {
        fail(raw, rc);
    }
    sqlite3_key(raw, passphrase.constData(), static_cast<int>(passphrase.size()));
    char* error = nullptr;
    if (sqlite3_exec(raw, script.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = QString::fromUtf8(error);
        sqlite3_free(error);
        throw DbError(SQLITE_ERROR, text);
    }
}

} // namespace orv
