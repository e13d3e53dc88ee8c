#pragma once

#include "session/AppContext.h"

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

} // namespace orv
