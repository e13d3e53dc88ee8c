#include "appointments/ICalendarReader.h"

#include "exchange/BoxText.h"
#include "exchange/ContentLines.h"
#include "exchange/ImportSummary.h"

#include <QHash>
#include <QTimeZone>
#include <libical/ical.h>
#include <memory>

namespace orv::appointments {
namespace {

constexpr int kDescriptionLength = 255;
constexpr int kHorizonMonths = 12;
// Bounds on one repeating event: steps of the rule walked from its start, and
// appointments written.
constexpr int kMaxSteps = 200000;
constexpr int kMaxOccurrences = 1000;

const QString kStatusProperty = QStringLiteral("X-ORVALUNE-STATUS");

QString damaged(int line) {
    return QStringLiteral("O arquivo está danificado na linha %1.").arg(line);
}

// Properties whose size does not matter: attachments and other programs' own.
bool skippedWhateverSize(const QString& name) {
    return name == QLatin1String("ATTACH") || name == QLatin1String("IMAGE") ||
           name.startsWith(QLatin1String("X-"));
}

// The checks libical does not make: the file is iCalendar, its components open
// and close in order, and no property it reads is longer than 64 KiB.
QString checkStructure(const QByteArray& bytes) {
    const exchange::ContentLines lines = exchange::readContentLines(bytes);
    if (lines.lines.isEmpty() || lines.lines.front().name != QLatin1String("BEGIN") ||
        lines.lines.front().value.trimmed().toUpper() != "VCALENDAR") {
        return QStringLiteral("O arquivo não é um arquivo de agenda iCalendar.");
    }
    if (lines.damagedLine != 0) {
        return damaged(lines.damagedLine);
    }
    QList<QByteArray> open;
    for (const exchange::ContentLine& p : lines.lines) {
        const QByteArray component = p.value.trimmed().toUpper();
        if (p.name == QLatin1String("BEGIN")) {
            open << component;
        } else if (p.name == QLatin1String("END")) {
            if (open.isEmpty() || open.back() != component) {
                return damaged(p.line);
            }
            open.removeLast();
        } else if (open.isEmpty()) {
            return damaged(p.line);
        } else if (p.value.size() > exchange::kMaxPropertyBytes && !skippedWhateverSize(p.name)) {
            return QStringLiteral("A propriedade %1 da linha %2 passa de 64 KiB.")
                .arg(p.name)
                .arg(p.line);
        }
    }
    if (!open.isEmpty()) {
        return QStringLiteral("O arquivo está incompleto: termina no meio de um evento.");
    }
    return {};
}

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

QVector<icalcomponent*> childrenOf(icalcomponent* parent, icalcomponent_kind kind) {
    QVector<icalcomponent*> found;
    for (icalcomponent* c = icalcomponent_get_first_component(parent, kind); c != nullptr;
         c = icalcomponent_get_next_component(parent, kind)) {
        found << c;
    }
    return found;
}

QVector<icalcomponent*> eventsOf(icalcomponent* root) {
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        return childrenOf(root, ICAL_VEVENT_COMPONENT);
    }
    QVector<icalcomponent*> events;
    for (icalcomponent* calendar : childrenOf(root, ICAL_VCALENDAR_COMPONENT)) {
        events << childrenOf(calendar, ICAL_VEVENT_COMPONENT);
    }
    return events;
}

// The time of a property, its zone looked up among the known zones when the
// file names one without describing it.
icaltimetype zoned(icalproperty* p, icaltimetype t) {
    if (p == nullptr || t.is_date || t.zone != nullptr) {
        return t;
    }
    icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    if (tzid == nullptr) {
        return t;
    }
    const char* name = icalparameter_get_tzid(tzid);
    icaltimezone* zone = icaltimezone_get_builtin_timezone(name);
    if (zone == nullptr) {
        zone = icaltimezone_get_builtin_timezone_from_tzid(name);
    }
    return zone != nullptr ? icaltime_set_timezone(&t, zone) : t;
}

QDate dateOf(const icaltimetype& t) {
    return QDate(t.year, t.month, t.day);
}

// A time with a zone (UTC included) in local time; a floating time as it is.
QDateTime localOf(icaltimetype t) {
    if (t.zone == nullptr) {
        return QDateTime(dateOf(t), QTime(t.hour, t.minute, t.second));
    }
    t = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
    return QDateTime(dateOf(t), QTime(t.hour, t.minute, t.second), Qt::UTC).toLocalTime();
}

bool sameOccurrence(const icaltimetype& a, const icaltimetype& b) {
    if (a.is_date || b.is_date) {
        return dateOf(a) == dateOf(b);
    }
    return icaltime_compare(a, b) == 0;
}

QString textOf(const char* text) {
    return text == nullptr ? QString() : QString::fromUtf8(text).trimmed();
}

// One VEVENT read once; its occurrences become entries.
class EventReader {
public:
    EventReader(icalcomponent* event, const QDateTime& now,
                const QVector<icaltimetype>& movedOccurrences);

    QString text;
    icaltimetype start = icaltime_null_time();
    bool cancelled = false;

    // The entries of the event for the file's result; false when none.
    bool read(QVector<CalendarEntry>& entries);

private:
    bool excluded(const icaltimetype& occurrence) const;
    CalendarEntry entryAt(const icaltimetype& occurrence, bool yearly) const;

    icalcomponent* event_;
    QDateTime now_;
    QDate horizon_;
    QVector<icaltimetype> moved_;
    bool hasEnd_ = false;
    qint64 seconds_ = 0; // from start to end
    int days_ = 1;       // an all-day event's days
    bool alarm_ = false;
    QString ownStatus_;
    bool textCut_ = false;
};

EventReader::EventReader(icalcomponent* event, const QDateTime& now,
                         const QVector<icaltimetype>& movedOccurrences)
    : event_(event), now_(now), horizon_(now.date().addMonths(kHorizonMonths)),
      moved_(movedOccurrences) {
    start = zoned(icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY),
                  icalcomponent_get_dtstart(event));
    cancelled = icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
    text = textOf(icalcomponent_get_summary(event));
    if (text.isEmpty()) {
        text = textOf(icalcomponent_get_description(event));
    }
    if (const QString place = textOf(icalcomponent_get_location(event)); !place.isEmpty()) {
        text = text.isEmpty() ? place : text + QStringLiteral(" - ") + place;
    }
    text = exchange::withoutControls(text, true);
    textCut_ = exchange::fitToBox(text, kDescriptionLength);
    // Without DTEND or DURATION libical gives the start as the end: no end time.
    icalproperty* endProperty = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
    hasEnd_ = endProperty != nullptr ||
              icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY) != nullptr;
    if (hasEnd_ && !icaltime_is_null_time(start)) {
        const icaltimetype end = zoned(endProperty, icalcomponent_get_dtend(event));
        if (start.is_date) {
            days_ = static_cast<int>(dateOf(start).daysTo(dateOf(end)));
        } else {
            seconds_ = localOf(start).secsTo(localOf(end));
        }
    }
    alarm_ = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT) != nullptr;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        if (kStatusProperty == QLatin1String(icalproperty_get_x_name(p))) {
            const QString status = textOf(icalproperty_get_x(p));
            if (status == kPending || status == kDone || status == kBirthday ||
                status == kNoReminder) {
                ownStatus_ = status;
            }
        }
    }
}

bool EventReader::excluded(const icaltimetype& occurrence) const {
    for (const icaltimetype& m : moved_) {
        if (sameOccurrence(m, occurrence)) {
            return true;
        }
    }
    for (icalproperty* p = icalcomponent_get_first_property(event_, ICAL_EXDATE_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(event_, ICAL_EXDATE_PROPERTY)) {
        if (sameOccurrence(zoned(p, icalproperty_get_exdate(p)), occurrence)) {
            return true;
        }
    }
    return false;
}

CalendarEntry EventReader::entryAt(const icaltimetype& occurrence, bool yearly) const {
    CalendarEntry e;
    Appointment& a = e.appointment;
    a.text = text;
    e.cut = textCut_;
    bool ahead = false;
    if (occurrence.is_date) {
        a.day = dateOf(occurrence);
        e.cut = e.cut || days_ > 1;
        ahead = a.day >= now_.date();
    } else {
        const QDateTime begin = localOf(occurrence);
        a.day = begin.date();
        a.start = QTime(begin.time().hour(), begin.time().minute());
        ahead = begin > now_;
        if (hasEnd_) {
            const QDateTime end = begin.addSecs(seconds_);
            const QDateTime midnight(a.day.addDays(1), QTime(0, 0));
            QTime last(end.time().hour(), end.time().minute());
            if (end.date() > a.day) {
                e.cut = e.cut || end > midnight;
                last = QTime(23, 59);
            }
            if (last > a.start) {
                a.end = last;
            }
        }
    }
    if (!ownStatus_.isEmpty()) {
        a.status = ownStatus_;
    } else if (yearly) {
        a.status = kBirthday;
    } else {
        a.status = alarm_ && ahead ? kPending : kNoReminder;
    }
    return e;
}

bool EventReader::read(QVector<CalendarEntry>& entries) {
    icalproperty* rule = icalcomponent_get_first_property(event_, ICAL_RRULE_PROPERTY);
    if (rule == nullptr) {
        // A start that names no real day (a 24th month) is refused with its event.
        const CalendarEntry only = entryAt(start, false);
        if (!only.appointment.day.isValid()) {
            return false;
        }
        entries << only;
        return true;
    }
    const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
    const bool yearly = start.is_date && recurrence.freq == ICAL_YEARLY_RECURRENCE;
    // Walked from the start: libical cannot start a rule with COUNT elsewhere.
    icalrecur_iterator* it = icalrecur_iterator_new(recurrence, start);
    if (it == nullptr) {
        return false;
    }
    int written = 0;
    for (int step = 0; step < kMaxSteps; ++step) {
        const icaltimetype occurrence = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(occurrence)) {
            break;
        }
        const QDate day = occurrence.is_date ? dateOf(occurrence) : localOf(occurrence).date();
        if (!day.isValid() || day >= horizon_) {
            break;
        }
        if (day < now_.date() || excluded(occurrence)) {
            continue;
        }
        entries << entryAt(occurrence, yearly);
        ++written;
        if (written == kMaxOccurrences) {
            entries.back().cut = true;
        }
        if (yearly || written == kMaxOccurrences) {
            break;
        }
    }
    icalrecur_iterator_free(it);
    return written > 0;
}

void prepareLibrary() {
    static const bool once = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    Q_UNUSED(once);
}

CalendarFile failed(const QString& why) {
    CalendarFile file;
    file.error = why;
    return file;
}

} // namespace

CalendarFile readCalendar(const QByteArray& raw, const QDateTime& now) {
    const QByteArray bytes = raw.startsWith("\xEF\xBB\xBF") ? raw.mid(3) : raw;
    if (const QString why = checkStructure(bytes); !why.isEmpty()) {
        return failed(why);
    }
    prepareLibrary();
    const Component root(icalparser_parse_string(bytes.constData()));
    if (!root) {
        return failed(QStringLiteral("O arquivo está danificado."));
    }
    const QVector<icalcomponent*> events = eventsOf(root.get());
    // Occurrences that an event of their own replaces, by the series' UID.
    QHash<QString, QVector<icaltimetype>> moved;
    for (icalcomponent* e : events) {
        icalproperty* id = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY);
        if (id != nullptr) {
            moved[textOf(icalcomponent_get_uid(e))] << zoned(id, icalproperty_get_recurrenceid(id));
        }
    }
    CalendarFile file;
    for (icalcomponent* e : events) {
        const bool replacesOne =
            icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        EventReader event(e, now,
                          replacesOne ? QVector<icaltimetype>()
                                      : moved.value(textOf(icalcomponent_get_uid(e))));
        if (icaltime_is_null_time(event.start)) {
            return failed(QStringLiteral("O evento \"%1\" não tem início (DTSTART).")
                              .arg(event.text.left(60)));
        }
        if (event.cancelled || event.text.isEmpty() || !event.read(file.entries)) {
            ++file.refused;
        }
    }
    return file;
}

} // namespace orv::appointments
