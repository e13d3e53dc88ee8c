#pragma once

#include "db/SqlCipherFile.h"

namespace orv {

// The one way to the data: a query and a statement on the data file, and a query
// on the version 1.0 file. Failures are thrown as DbError, unchanged.
class Db {
public:
    Db(const QString& dataFile, const QString& oldDataFile);

    RowSet runQuery(const QString& sql, const Params& params = {}) const;
    int executeSql(const QString& sql, const Params& params = {}) const;
    // An insert whose new key the caller needs, read from the store itself.
    qint64 insertSql(const QString& sql, const Params& params = {}) const;
    RowSet runOldQuery(const QString& sql, const Params& params = {}) const;
    // A large result read row by row, for lists that build their own rows.
    void forEachRow(const QString& sql, const Params& params,
                    const std::function<void(const RowCursor&)>& visit) const;
    // Lets go of both files, before one of them is replaced or removed.
    void release() const;

    SqlCipherFile& dataFile() { return data_; }
    const QString& dataPath() const { return data_.path(); }
    const QString& oldDataPath() const { return old_.path(); }

    static const QByteArray& dataPassphrase();
    static const QByteArray& oldPassphrase();

private:
    SqlCipherFile data_;
    SqlCipherFile old_;
};

// Several statements that must all land or none: the data file keeps one
// connection inside a transaction until commit(); leaving the scope without
// commit() rolls everything back.
class Transaction {
public:
    explicit Transaction(Db& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqlCipherFile& file_;
    bool done_ = false;
};

} // namespace orv
