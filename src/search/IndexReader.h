#pragma once

#include "db/DbError.h"
#include "search/Search.h"

#include <QObject>
#include <atomic>
#include <memory>

class QThread;

namespace orv::search {

// Reads the search index on a thread of its own, with its own connection to
// the data file, so that the search opens at once whatever the file's size.
// The index (or the failure) arrives by signal in the thread that asked; a
// read asked again or cancelled never arrives.
class IndexReader : public QObject {
    Q_OBJECT
public:
    explicit IndexReader(QObject* parent = nullptr);
    ~IndexReader() override;

    void start(const QString& dataFile, const Scope& scope);
    void cancel();
    bool reading() const { return thread_ != nullptr; }

Q_SIGNALS:
    void ready(const orv::search::SearchIndex& index);
    void failed(const orv::DbError& error);

private:
    void join();

    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic_bool> stop_;
    int read_ = 0; // the read whose index is awaited
};

} // namespace orv::search
