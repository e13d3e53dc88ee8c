#pragma once

#include <QString>
#include <QStringList>

namespace orv {

// Where the program's files live on this machine.
struct Paths {
    QString programFolder; // folder of the executable, or ORVALUNE_HOME
    QString v1Folder;      // version 1.0 folder: $HOME/Orvalune, or ORVALUNE_V1_DIR
    // One fixed backup folder (ORVALUNE_BACKUP_DIR); empty: the backup goes to
    // the Orvalune folder of a mounted removable drive.
    QString backupFolder;
    // Folders that stand in for the drive search (ORVALUNE_MEDIA_ROOTS): each
    // folder inside them counts as a mounted drive. Empty: the real search.
    QStringList mediaRoots;

    QString dataFile() const;    // dadosn.lst in the program folder
    QString oldDataFile() const; // dados.lst in the version 1.0 folder
    QString helpFile() const;    // AjudaAgenda.html in the program folder

    // Reads the environment; the program folder defaults to the given folder.
    static Paths fromEnvironment(const QString& executableFolder);
};

} // namespace orv
