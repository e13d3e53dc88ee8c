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

// The folder on a removable drive that backup and restore use, as they used
// the whole of a floppy: other files of the drive never matter.
inline const QString kDriveFolderName = QStringLiteral("Orvalune");

// Where the backup file lives: either one fixed folder, whose absence means no
// disk, or the Orvalune folder of a removable drive, made by the first backup.
struct BackupFolder {
    QString path;
    bool onDrive = false;

    static BackupFolder fixed(const QString& folder) { return {folder, false}; }
    static BackupFolder onDriveAt(const QString& mountFolder);

    // On a drive a missing or unreadable folder holds no files.
    DriveListing list() const;
    QString backupFile() const;
    // Makes the drive's folder when it is missing; 0 or the error code.
    int prepare() const;
};

} // namespace orv::backup
