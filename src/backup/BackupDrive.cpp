#include "backup/BackupDrive.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <dirent.h>

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

} // namespace orv::backup
