#include "mainwindow/ui/Pictures.h"

#include <QHash>

namespace orv {

QPixmap picture(const QString& controlName) {
    static const QHash<QString, QString> files{
        {QStringLiteral("imgAnexado"), QStringLiteral("anexado")},
        {QStringLiteral("imgBloqueado"), QStringLiteral("bloqueado")},
        {QStringLiteral("imgAniversario"), QStringLiteral("aniversario")},
        {QStringLiteral("imgAlarme"), QStringLiteral("alarme")},
        {QStringLiteral("imgExecutado"), QStringLiteral("executado")},
        {QStringLiteral("imgCompartilhado"), QStringLiteral("compartilhado")},
        {QStringLiteral("imdDiaAntes"), QStringLiteral("dia_anterior")},
        {QStringLiteral("imgDiaAntes"), QStringLiteral("dia_anterior")},
        {QStringLiteral("imgDiaApos"), QStringLiteral("dia_proximo")},
        {QStringLiteral("imgCalendario"), QStringLiteral("calendario")},
        {QStringLiteral("cmdEmailContato"), QStringLiteral("email")},
        {QStringLiteral("imgImpressora"), QStringLiteral("impressora")},
    };
    const QString file = files.value(controlName, controlName);
    return QPixmap(QStringLiteral(":/images/%1.png").arg(file));
}

} // namespace orv
