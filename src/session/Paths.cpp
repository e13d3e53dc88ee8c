#include "session/Paths.h"

#include <QDir>
#include <QProcessEnvironment>

namespace orv {

QString Paths::dataFile() const {
    return QDir(programFolder).filePath(QStringLiteral("dadosn.lst"));
}

QString Paths::oldDataFile() const {
    return QDir(v1Folder).filePath(QStringLiteral("dados.lst"));
}

QString Paths::helpFile() const {
    return QDir(programFolder).filePath(QStringLiteral("AjudaAgenda.html"));
}

Paths Paths::fromEnvironment(const QString& executableFolder) {
    const auto env = QProcessEnvironment::systemEnvironment();
    Paths p;
    p.programFolder = env.value(QStringLiteral("ORVALUNE_HOME"), executableFolder);
    p.v1Folder = env.value(QStringLiteral("ORVALUNE_V1_DIR"),
                           QDir(QDir::homePath()).filePath(QStringLiteral("Orvalune")));
    p.backupFolder = env.value(QStringLiteral("ORVALUNE_BACKUP_DIR"));
    p.mediaRoots = env.value(QStringLiteral("ORVALUNE_MEDIA_ROOTS"))
                       .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return p;
}

} // namespace orv
