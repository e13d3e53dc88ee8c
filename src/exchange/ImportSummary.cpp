#include "exchange/ImportSummary.h"

namespace orv::exchange {

QString summaryMessage(const ImportSummary& s, const QString& nouns, const QString& cutWhy,
                       const QString& refusedWhy) {
    return QStringLiteral("Importação concluída.\n\n"
                          "%1 adicionados: %2\n"
                          "Ignorados por já existirem: %3\n"
                          "Cortados (%4): %5\n"
                          "Recusados (%6): %7")
        .arg(nouns)
        .arg(s.added)
        .arg(s.duplicates)
        .arg(cutWhy)
        .arg(s.cut)
        .arg(refusedWhy)
        .arg(s.refused);
}

QString refusedFileMessage(const QString& fileName, const QString& why) {
    return QStringLiteral("Nada foi importado de \"%1\":\n%2").arg(fileName, why);
}

} // namespace orv::exchange
