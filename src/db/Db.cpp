#include "db/Db.h"

namespace orv {

Db::Db(const QString& dataFile, const QString& oldDataFile)
    : data_(dataFile, dataPassphrase()), old_(oldDataFile, oldPassphrase()) {}

const QByteArray& Db::dataPassphrase() {
    static const QByteArray passphrase("quietharbo318pelican");
    return passphrase;
}

const QByteArray& Db::oldPassphrase() {
    static const QByteArray passphrase("rook294");
    return passphrase;
}

RowSet Db::runQuery(const QString& sql, const Params& params) const {
    return data_.query(sql, params);
}

int Db::executeSql(const QString& sql, const Params& params) const {
    return data_.execute(sql, params);
}

qint64 Db::insertSql(const QString& sql, const Params& params) const {
    return data_.insert(sql, params);
}

RowSet Db::runOldQuery(const QString& sql, const Params& params) const {
    return old_.query(sql, params);
}

void Db::forEachRow(const QString& sql, const Params& params,
                    const std::function<void(const RowCursor&)>& visit) const {
    data_.forEachRow(sql, params, visit);
}

void Db::release() const {
    data_.release();
    old_.release();
}

Transaction::Transaction(Db& db) : file_(db.dataFile()) {
    file_.begin();
}

Transaction::~Transaction() {
    if (!done_) {
        file_.rollback();
    }
}

void Transaction::commit() {
    file_.commit();
    done_ = true;
}

} // namespace orv
