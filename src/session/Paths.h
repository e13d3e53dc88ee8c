#pragma once

#include <QString>

namespace orv {

// Where the program's files live on this machine.
struct Paths {
    QString programFolder; // folder of the executable, or ORVALUNE_HOME
    QString v1Folder;      // version 1.0 folder: $HOME/Orvalune, or ORVALUNE_V1_DIR
    QString backupFolder;  // backup drive: /media/floppy, or ORVALUNE_BACKUP_DIR

    QString dataFile() const;    // dadosn.lst in the program folder
    QString oldDataFile() const; // dados.lst in the version 1.0 folder
    QString helpFile() const;    // AjudaAgenda.html in the program folder

    // Reads the environment; the program folder defaults to the given folder.
    static Paths fromEnvironment(const QString& executableFolder);
};

} // namespace orv
