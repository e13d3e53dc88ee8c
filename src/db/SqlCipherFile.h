#pragma once

#include "db/RowSet.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantList>
#include <memory>

struct sqlite3;

namespace orv {

// Values bound to the "?" placeholders of a statement, in order. A QString is
// bound as text, integers and doubles as numbers, a QDate or QTime as its stored
// text, and an invalid QVariant as NULL. User text is never spliced into SQL.
using Params = QVariantList;

// One encrypted data file. Every call opens its own connection and closes it
// again, so the file can be replaced between two calls (backup and restore);
// only an open transaction keeps its connection until it ends.
class SqlCipherFile {
public:
    SqlCipherFile(QString path, QByteArray passphrase);
    ~SqlCipherFile();
    SqlCipherFile(const SqlCipherFile&) = delete;
    SqlCipherFile& operator=(const SqlCipherFile&) = delete;

    const QString& path() const { return path_; }

    RowSet query(const QString& sql, const Params& params = {}) const;
    int execute(const QString& sql, const Params& params = {}) const;
    // Runs an insert and returns the key the store gave the new row.
    qint64 insert(const QString& sql, const Params& params = {}) const;

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return pinned_ != nullptr; }

    // Creates a new encrypted file keyed with the passphrase and runs the script in it.
    static void create(const QString& path, const QByteArray& passphrase, const QString& script);

private:
    class Connection;
    std::shared_ptr<Connection> open() const;
    QByteArray rawKeyFor(const QByteArray& salt) const;

    QString path_;
    QByteArray passphrase_;
    std::shared_ptr<Connection> pinned_;
};

} // namespace orv
