#include "backup/BackupDrive.h"

#include "backup/BackupErrors.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace orv::backup {

bool DriveListing::holdsOnlyBackup() const {
    return std::all_of(names.cbegin(), names.cend(),
                       [](const QString& name) { return name == kBackupFileName; });
}

bool DriveListing::firstIsBackup() const {
    return !names.isEmpty() && names.first() == kBackupFileName;
}

DriveListing listDrive(const QString& folder) {
    DriveListing listing;
    // QDir lists a folder it cannot read as empty; the disk case needs the difference.
    DIR* dir = folder.isEmpty() ? nullptr : ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr) {
        listing.noDisk = true;
        return listing;
    }
    ::closedir(dir);
    listing.names = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    return listing;
}

BackupFolder BackupFolder::onDriveAt(const QString& mountFolder) {
    return {QDir(mountFolder).filePath(kDriveFolderName), true};
}

DriveListing BackupFolder::list() const {
    DriveListing listing = listDrive(path);
    listing.noDisk = listing.noDisk && !onDrive;
    return listing;
}

QString BackupFolder::backupFile() const {
    return QDir(path).filePath(kBackupFileName);
}

int BackupFolder::prepare() const {
    if (!onDrive || ::mkdir(QFile::encodeName(path).constData(), 0777) == 0 || errno == EEXIST) {
        return err::None;
    }
    return fileErrorCode(errno);
}

} // namespace orv::backup
