#pragma once

#include <QString>
#include <QStringList>

namespace orv::backup {

// The one name a backup has on the backup drive, and the work file of a
// restore in the program folder. Compared exactly, letter case included.
inline const QString kBackupFileName = QStringLiteral("Orvalune.Bck");

// What the backup drive folder holds: its ordinary visible files (no folders,
// no hidden or special files), sorted by name so that "the first file" is
// always the same one.
struct DriveListing {
    bool noDisk = false; // the folder is missing or cannot be listed
    QStringList names;

    // True when every file is an earlier backup (an empty disk included).
    bool holdsOnlyBackup() const;
    // True when the first file is a backup; the others are not looked at.
    bool firstIsBackup() const;
};

DriveListing listDrive(const QString& folder);

} // namespace orv::backup
