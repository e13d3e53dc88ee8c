#include "search/IndexReader.h"

#include <QThread>

namespace orv::search {

IndexReader::IndexReader(QObject* parent) : QObject(parent) {}

IndexReader::~IndexReader() {
    cancel();
}

void IndexReader::start(const QString& dataFile, const Scope& scope) {
    cancel();
    const int read = ++read_;
    auto stop = std::make_shared<std::atomic_bool>(false);
    stop_ = stop;
    thread_ = QThread::create([this, read, stop, dataFile, scope] {
        try {
            const Db db(dataFile, QString());
            SearchIndex index = SearchIndex::read(db, scope, stop.get());
            db.release();
            if (!*stop) {
                QMetaObject::invokeMethod(
                    this,
                    [this, read, index = std::move(index)] {
                        if (read == read_) {
                            join();
                            Q_EMIT ready(index);
                        }
                    },
                    Qt::QueuedConnection);
            }
        } catch (const DbError& error) {
            QMetaObject::invokeMethod(
                this,
                [this, read, error] {
                    if (read == read_) {
                        join();
                        Q_EMIT failed(error);
                    }
                },
                Qt::QueuedConnection);
        }
    });
    thread_->start();
}

void IndexReader::join() {
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
}

void IndexReader::cancel() {
    ++read_; // whatever is on its way is no longer awaited
    if (stop_) {
        *stop_ = true;
    }
    join();
}

} // namespace orv::search
