#include "appointments/AppointmentTimes.h"

#include "db/RowSet.h"

#include <QRegularExpression>

namespace orv::appointments {
namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kDefaultStep = 60;

int digit(QChar c) {
    return c.isDigit() ? c.digitValue() : -1;
}

} // namespace

int minuteOfDay(const QTime& time) {
    return time.isValid() ? time.hour() * kMinutesPerHour + time.minute() : 0;
}

QTime timeOfMinute(int minute) {
    return QTime(minute / kMinutesPerHour, minute % kMinutesPerHour);
}

QString hhmm(int minute) {
    if (minute < 0) {
        return {};
    }
    return QStringLiteral("%1:%2")
        .arg(minute / kMinutesPerHour, 2, 10, QLatin1Char('0'))
        .arg(minute % kMinutesPerHour, 2, 10, QLatin1Char('0'));
}

QString hhmm(const QTime& time) {
    return hhmm(minuteOfDay(time));
}

int storedMinute(const QString& stored) {
    // The stored form is fixed ("HH:mm:ss"), so the common case needs no parser.
    if (stored.size() >= 5 && stored.at(2) == QLatin1Char(':')) {
        const int h1 = digit(stored.at(0));
        const int h2 = digit(stored.at(1));
        const int m1 = digit(stored.at(3));
        const int m2 = digit(stored.at(4));
        if (h1 >= 0 && h2 >= 0 && m1 >= 0 && m2 >= 0) {
            return (h1 * 10 + h2) * kMinutesPerHour + m1 * 10 + m2;
        }
    }
    const QTime t = parseStoredTime(stored);
    return t.isValid() ? minuteOfDay(t) : -1;
}

int slotMinutes(int gridStep) {
    if (gridStep < 1) {
        return kDefaultStep;
    }
    return gridStep < kMinutesPerHour ? gridStep : kMinutesPerHour;
}

std::optional<QTime> parseTypedTime(const QString& typed) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})$"));
    const auto m = form.match(typed.trimmed());
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int hours = m.captured(1).toInt();
    const int minutes = m.captured(2).toInt();
    if (hours > 23 || minutes > 59) {
        return std::nullopt;
    }
    return QTime(hours, minutes);
}

} // namespace orv::appointments
