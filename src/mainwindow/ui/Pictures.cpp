#include "mainwindow/ui/Pictures.h"

#include <QHash>

namespace orv {
namespace {

struct PictureInfo {
    QString file;
    QString word; // what a screen reader says for the picture in a grid cell
};

const QHash<QString, PictureInfo>& pictures() {
    static const QHash<QString, PictureInfo> table{
        {QStringLiteral("imgAnexado"), {QStringLiteral("anexado"), QStringLiteral("Continuação")}},
        {QStringLiteral("imgBloqueado"),
         {QStringLiteral("bloqueado"), QStringLiteral("Bloqueado")}},
        {QStringLiteral("imgAniversario"),
         {QStringLiteral("aniversario"), QStringLiteral("Aniversário")}},
        {QStringLiteral("imgAlarme"), {QStringLiteral("alarme"), QStringLiteral("Alarme")}},
        {QStringLiteral("imgExecutado"),
         {QStringLiteral("executado"), QStringLiteral("Executado")}},
        {QStringLiteral("imgCompartilhado"),
         {QStringLiteral("compartilhado"), QStringLiteral("Compartilhado")}},
        {QStringLiteral("imdDiaAntes"), {QStringLiteral("dia_anterior"), {}}},
        {QStringLiteral("imgDiaAntes"), {QStringLiteral("dia_anterior"), {}}},
        {QStringLiteral("imgDiaApos"), {QStringLiteral("dia_proximo"), {}}},
        {QStringLiteral("imgCalendario"), {QStringLiteral("calendario"), {}}},
        {QStringLiteral("cmdEmailContato"), {QStringLiteral("email"), {}}},
        {QStringLiteral("imgImpressora"), {QStringLiteral("impressora"), {}}},
    };
    return table;
}

} // namespace

QPixmap picture(const QString& controlName) {
    const auto it = pictures().constFind(controlName);
    const QString& file = it == pictures().constEnd() ? controlName : it->file;
    return QPixmap(QStringLiteral(":/images/%1.png").arg(file));
}

QString pictureWord(const QString& controlName) {
    const auto it = pictures().constFind(controlName);
    return it == pictures().constEnd() ? QString() : it->word;
}

} // namespace orv
