#pragma once

#include "session/AppContext.h"

#include <optional>

namespace orv {

// The smallest screen height the windows fit on.
inline constexpr int kMinimumScreenHeight = 600;
inline const QString kScreenTooSmall = QStringLiteral(
    "Resolução mínima para Orvalune funcionar corretamente é de 800 x 600! Favor alterar!");
inline const QString kFirstRun =
    QStringLiteral("Primera execução da Orvalune. É necessário criar um novo usuário. Informe o "
                   "usuário e clique em 'Novo Usuário' !");
inline const QString kDataFileInvalid =
    QStringLiteral("Arquivo de Dados não Existe ou Inválido !!!");
inline const QString kLibraryUnavailable =
    QStringLiteral("A biblioteca de banco de dados do Orvalune não está disponível ou falhou ao "
                   "abrir o arquivo de "
                   "dados !!!\r\nReinstale o Orvalune para corrigir o problema.");

inline bool screenTooSmall(int screenHeight) {
    return screenHeight < kMinimumScreenHeight;
}

// Removes the program and alarm files that version 1.0 left in its folder; a
// missing file or folder is no error.
void removeVersion1Leftovers(const Paths& paths);

// The data file as the start-up finds it.
enum class DataCheck { Usable, FileInvalid, LibraryFailure };
struct DataState {
    DataCheck check = DataCheck::Usable;
    bool hasUsers = false;
};
DataState checkDataFile(Db& db);

// Gives an older data file the program's current indexes (see upgradeIndexes);
// false, and nothing changed, when the file cannot take them.
bool bringIndexesUpToDate(Db& db);

class SingleCopy;

// How the start-up checks before the logon window end: the program ends with
// the exit code, or goes on to the logon window.
struct StartUp {
    std::optional<int> exitCode;
    bool hasUsers = false;
};

// The start-up checks before the logon window, in their order. The program
// folder is claimed: another running copy is asked to come forward and the
// start ends silently with 0; a folder that cannot hold the lock file is told
// (standard box) and ends with 1. Then the screen height, the version 1.0
// leftovers, the work files an interrupted restore left in the folder (this
// copy holds the folder, so they are nobody's), and the data file.
StartUp startUp(AppContext& ctx, SingleCopy& copy, int screenHeight);

} // namespace orv
