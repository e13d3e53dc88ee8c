#include "appointments/Repetition.h"

namespace orv::appointments {

const QStringList& repetitionChoices() {
    static const QStringList choices{
        QStringLiteral("Somente Dia Corrente"),
        QStringLiteral("Todos os Dias Úteis na Semana "),
        QStringLiteral("Todos os Dias na Semana "),
        QStringLiteral("Todos os Dias no Mês"),
        QStringLiteral("Todo o Dia do Mês no Ano!"),
    };
    return choices;
}

QVector<QDate> repetitionDays(const QDate& first, int position) {
    QVector<QDate> days;
    if (!first.isValid()) {
        return days;
    }
    for (QDate d = first;;) {
        days << d;
        switch (position) {
        case kWorkingDaysLeft:
            d = d.addDays(1);
            if (d.dayOfWeek() == Qt::Saturday) {
                return days;
            }
            break;
        case kDaysOfWeekLeft:
            d = d.addDays(1);
            if (d.dayOfWeek() == Qt::Monday) {
                return days;
            }
            break;
        case kDaysOfMonthLeft:
            d = d.addDays(1);
            if (d.month() != first.month()) {
                return days;
            }
            break;
        case kSameDayEachMonth:
            d = d.addMonths(1);
            if (d.year() != first.year()) {
                return days;
            }
            break;
        default:
            return days;
        }
    }
}

} // namespace orv::appointments
