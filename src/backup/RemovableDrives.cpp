#include "backup/RemovableDrives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace orv::backup {

namespace {

// Mapped devices rarely stack more than two deep; the limit only guards
// against a loop.
constexpr int kMaxMappingDepth = 4;

QString userName() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_name != nullptr) {
        return QString::fromLocal8Bit(pw->pw_name);
    }
    return qEnvironmentVariable("USER");
}

QByteArray firstLine(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
}

// The disk folder of a block device in sysfs (/sys/devices/.../block/sdb),
// followed through a partition to its disk.
bool diskIsRemovable(const QString& blockFolder, int depth) {
    QString disk = QFileInfo(blockFolder).canonicalFilePath();
    if (disk.isEmpty() || depth > kMaxMappingDepth) {
        return false;
    }
    if (QFileInfo::exists(disk + QStringLiteral("/partition"))) {
        disk = QFileInfo(disk).path();
    }
    if (firstLine(disk + QStringLiteral("/removable")) == "1" ||
        disk.contains(QStringLiteral("/usb")) ||
        firstLine(disk + QStringLiteral("/device/type")) == "SD") {
        return true;
    }
    const QFileInfoList slaves =
        QDir(disk + QStringLiteral("/slaves")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(slaves.cbegin(), slaves.cend(), [depth](const QFileInfo& slave) {
        return diskIsRemovable(slave.filePath(), depth + 1);
    });
}

void sortByLabel(QList<Drive>& drives) {
    std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) {
        return QString::compare(a.label, b.label, Qt::CaseInsensitive) < 0;
    });
}

} // namespace

QStringList defaultMediaRoots() {
    const QString user = userName();
    return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user,
            QStringLiteral("/media")};
}

bool isRemovableDevice(const QString& device, const QString& sysFolder) {
    // /dev/mapper/... and /dev/disk/by-*/... are links to the kernel's name.
    const QFileInfo info(device);
    const QString name =
        info.exists() ? QFileInfo(info.canonicalFilePath()).fileName() : info.fileName();
    return !name.isEmpty() &&
           diskIsRemovable(QDir(sysFolder).filePath(QStringLiteral("class/block/") + name), 0);
}

QList<Drive> mountedRemovableDrives(const QStringList& roots, const QString& sysFolder) {
    QStringList cleanRoots;
    for (const QString& root : roots) {
        cleanRoots << QDir::cleanPath(root);
    }
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QFileInfo mount(volume.rootPath());
        if (volume.isReady() && cleanRoots.contains(QDir::cleanPath(mount.path())) &&
            isRemovableDevice(QString::fromLocal8Bit(volume.device()), sysFolder)) {
            drives.append({mount.fileName(), mount.filePath(), volume.bytesAvailable()});
        }
    }
    sortByLabel(drives);
    return drives;
}

QList<Drive> foldersAsDrives(const QStringList& roots) {
    QList<Drive> drives;
    for (const QString& root : roots) {
        for (const QFileInfo& folder :
             QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            drives.append({folder.fileName(), folder.absoluteFilePath(),
                           QStorageInfo(folder.absoluteFilePath()).bytesAvailable()});
        }
    }
    sortByLabel(drives);
    return drives;
}

QList<Drive> findDrives(const QStringList& standInRoots) {
    return standInRoots.isEmpty() ? mountedRemovableDrives(defaultMediaRoots())
                                  : foldersAsDrives(standInRoots);
}

QString describeDrive(const Drive& drive) {
    return QStringLiteral("%1 (%2 livres)")
        .arg(drive.label,
             QLocale().formattedDataSize(drive.bytesFree, 1, QLocale::DataSizeTraditionalFormat));
}

} // namespace orv::backup
