#include "reminders/RescheduleChoices.h"

#include <QTimeZone>

namespace orv::reminders {

const QList<RescheduleChoice>& allRescheduleChoices() {
    using U = RescheduleChoice::Unit;
    static const QList<RescheduleChoice> choices{
        {QStringLiteral("   5 minutos"), U::Minutes, 5},
        {QStringLiteral("  10 minutos"), U::Minutes, 10},
        {QStringLiteral("  15 minutos"), U::Minutes, 15},
        {QStringLiteral("  30 minutos"), U::Minutes, 30},
        {QStringLiteral("  45 minutos"), U::Minutes, 45},
        {QStringLiteral("   1 hora"), U::Minutes, 60},
        {QStringLiteral("   2 horas"), U::Minutes, 2 * 60},
        {QStringLiteral("   6 horas"), U::Minutes, 6 * 60},
        {QStringLiteral("  12 horas"), U::Minutes, 12 * 60},
        {QStringLiteral("   1 dia"), U::Days, 1},
        {QStringLiteral("   2 dias"), U::Days, 2},
        {QStringLiteral("   3 dias"), U::Days, 3},
        {QStringLiteral("   5 dias"), U::Days, 5},
        {QStringLiteral("   1 semana"), U::Days, 7},
        {QStringLiteral("  10 dias"), U::Days, 10},
        {QStringLiteral("   1 quinzena"), U::Days, 15},
        {QStringLiteral("   1 mês"), U::Months, 1},
        {QStringLiteral("   1 bimestre"), U::Months, 2},
        {QStringLiteral("   1 trimestre"), U::Months, 3},
        {QStringLiteral("   1 semestre"), U::Months, 6},
        {QStringLiteral("   1 ano"), U::Months, 12},
    };
    return choices;
}

QList<RescheduleChoice> rescheduleChoices(bool withEndTime) {
    QList<RescheduleChoice> offered;
    for (const auto& choice : allRescheduleChoices()) {
        if (!withEndTime || !choice.isShort()) {
            offered << choice;
        }
    }
    return offered;
}

QStringList choiceTexts(const QList<RescheduleChoice>& choices) {
    QStringList texts;
    for (const auto& choice : choices) {
        texts << choice.text;
    }
    return texts;
}

QDateTime advance(const QDateTime& from, const RescheduleChoice& choice) {
    switch (choice.unit) {
    case RescheduleChoice::Unit::Minutes: {
        // Counted on the wall clock, so a daylight-saving change cannot shift the result.
        const QDateTime wall(from.date(), from.time(), QTimeZone::utc());
        const QDateTime moved = wall.addSecs(60LL * choice.amount);
        return QDateTime(moved.date(), moved.time());
    }
    case RescheduleChoice::Unit::Days:
        return QDateTime(from.date().addDays(choice.amount), from.time());
    case RescheduleChoice::Unit::Months:
        return QDateTime(from.date().addMonths(choice.amount), from.time());
    }
    return from;
}

QDate nextYear(const QDate& day) {
    return day.addYears(1);
}

} // namespace orv::reminders
