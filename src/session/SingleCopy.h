#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace orv {

// One running copy per program folder: a lock file in the folder, and a local
// socket named after the folder through which a second start asks the running
// copy to come forward.
class SingleCopy : public QObject {
    Q_OBJECT
public:
    enum class Claim { Taken, HeldByAnotherCopy, FolderUnusable };

    explicit SingleCopy(const QString& programFolder, QObject* parent = nullptr);
    ~SingleCopy() override;

    // Takes the folder's lock; once taken, later starts are listened for.
    Claim claim();
    // Asks the copy that holds the lock to come forward; false when none answered.
    bool askToComeForward() const;
    // What the person is told when the folder cannot hold the lock file.
    QString unusableFolderText() const;

Q_SIGNALS:
    // A second start asked this copy to come forward.
    void comeForwardWanted();

private:
    QString folder_;
    QLockFile lock_;
    QLocalServer server_;
};

} // namespace orv
