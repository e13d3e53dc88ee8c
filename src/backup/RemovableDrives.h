#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orv::backup {

// A mounted drive that can take the backup: the folder it is mounted on, the
// name the family knows it by (its label, which names the mount folder) and
// its free space.
struct Drive {
    QString label;
    QString mountFolder;
    qint64 bytesFree = 0;
};

// The folders the desktop mounts removable drives in, one folder per drive:
// /media/<user>, /run/media/<user> and /media.
QStringList defaultMediaRoots();

// The removable drives mounted directly inside one of the roots, sorted by label.
QList<Drive> mountedRemovableDrives(const QStringList& roots,
                                    const QString& sysFolder = QStringLiteral("/sys"));

// Every folder inside the roots, taken as a mounted drive, sorted by label.
QList<Drive> foldersAsDrives(const QStringList& roots);

// The drives backup and restore offer: the folders inside the given stand-in
// roots when there are any, else the mounted removable drives.
QList<Drive> findDrives(const QStringList& standInRoots);

// True when the block device (a partition, a whole disk, or a mapped device
// such as an encrypted stick) lies on a disk the kernel flags as removable, on
// one attached by USB, or on an SD card.
bool isRemovableDevice(const QString& device, const QString& sysFolder = QStringLiteral("/sys"));

// "PENDRIVE (3,5 GB livres)": a line of the drive choice.
QString describeDrive(const Drive& drive);

} // namespace orv::backup
