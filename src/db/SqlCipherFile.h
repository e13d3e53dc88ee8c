#pragma once

#include "db/RowCursor.h"
#include "db/RowSet.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <sys/types.h>

struct sqlite3;

namespace orv {

// Values bound to the "?" placeholders of a statement, in order. A QString is
// bound as text, integers and doubles as numbers, a QDate or QTime as its stored
// text, and an invalid QVariant as NULL. User text is never spliced into SQL.
using Params = QVariantList;

// One encrypted data file. One connection stays open between calls, so the
// pages it has decrypted are read once; before each call outside a
// transaction the file at the path is checked to be the one the connection
// holds, so a file replaced by a rename (a restore) or removed is noticed and
// opened afresh or reported missing. release() closes the connection at once.
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
    // Hands each row of a query to visit as it is read, without keeping the result.
    void forEachRow(const QString& sql, const Params& params,
                    const std::function<void(const RowCursor&)>& visit) const;

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return pinned_; }
    // Closes the open connection; the next call opens the file again.
    void release() const;

    // Test hook: while set to an SQLite result code other than 0, every statement
    // fails with it before it reaches the file, as a full disk would make it fail.
    void failWritesWith(int sqliteCode) { failWrites_ = sqliteCode; }

    // Creates a new encrypted file keyed with the passphrase and runs the script in it.
    static void create(const QString& path, const QByteArray& passphrase, const QString& script);

private:
    class Connection;
    std::shared_ptr<Connection> open() const;
    std::shared_ptr<Connection> connect() const;
    QByteArray rawKeyFor(const QByteArray& salt) const;
    template <typename Work> auto withConnection(Work work) const;
    void checkWritable() const;

    QString path_;
    QByteArray passphrase_;
    mutable std::shared_ptr<Connection> held_;
    mutable dev_t heldDevice_ = 0;
    mutable ino_t heldInode_ = 0;
    bool pinned_ = false;
    int failWrites_ = 0;
};

} // namespace orv
