#include "session/SingleCopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <unistd.h>

namespace orv {
namespace {

constexpr int kAnswerMs = 2000;

QString canonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(folder).absoluteFilePath() : canonical;
}

// One name per folder and account: another person's copy is never asked.
QString socketName(const QString& folder) {
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orvalune-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

} // namespace

SingleCopy::SingleCopy(const QString& programFolder, QObject* parent)
    : QObject(parent), folder_(canonicalFolder(programFolder)),
      lock_(QDir(folder_).filePath(QStringLiteral("orvalune.lock"))) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            socket->deleteLater();
            Q_EMIT comeForwardWanted();
        }
    });
}

SingleCopy::~SingleCopy() = default;

SingleCopy::Claim SingleCopy::claim() {
    if (!lock_.tryLock(0)) {
        return lock_.error() == QLockFile::LockFailedError ? Claim::HeldByAnotherCopy
                                                           : Claim::FolderUnusable;
    }
    // A socket left by a copy that did not end cleanly is in the way.
    const QString name = socketName(folder_);
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name);
    return Claim::Taken;
}

bool SingleCopy::askToComeForward() const {
    QLocalSocket socket;
    socket.connectToServer(socketName(folder_));
    if (!socket.waitForConnected(kAnswerMs)) {
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

QString SingleCopy::unusableFolderText() const {
    const QString folder = QDir::toNativeSeparators(folder_);
    if (lock_.error() == QLockFile::PermissionError) {
        return QStringLiteral("Você não tem permissão para gravar na pasta de dados do "
                              "Orvalune:\n%1\nPeça a quem cuida do computador para incluir você "
                              "no grupo orvalune e entre de novo na sua sessão.")
            .arg(folder);
    }
    return QStringLiteral("Não foi possível criar o arquivo de trava na pasta de dados do "
                          "Orvalune:\n%1\nO disco pode estar cheio ou a pasta pode não existir. "
                          "Libere espaço no disco (ou verifique a pasta) e abra o Orvalune de "
                          "novo.")
        .arg(folder);
}

} // namespace orv
