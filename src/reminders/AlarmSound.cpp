#include "reminders/AlarmSound.h"

#include <QStringList>

namespace orv {

QString alarmResource(const QString& choice) {
    static const QStringList known{QStringLiteral("CAMPAINHA"), QStringLiteral("CUCO"),
                                   QStringLiteral("NAVE"),      QStringLiteral("SIRENE"),
                                   QStringLiteral("TELEFONE"),  QStringLiteral("TIRO"),
                                   QStringLiteral("AHA")};
    const QString name = choice.trimmed().toUpper();
    return known.contains(name) ? name : QString();
}

QString alarmResourcePath(const QString& resourceName) {
    return QStringLiteral(":/sounds/%1.wav").arg(resourceName);
}

} // namespace orv
