#include "appointments/ICalendarWriter.h"

#include <libical/ical.h>

namespace orv::appointments {
namespace {

icaltimetype icalTime(const QDate& day, const QTime& time, icaltimezone* zone) {
    icaltimetype t = icaltime_null_time();
    t.year = day.year();
    t.month = day.month();
    t.day = day.day();
    t.is_date = time.isValid() ? 0 : 1;
    if (time.isValid()) {
        t.hour = time.hour();
        t.minute = time.minute();
        t.zone = zone;
    }
    return t;
}

// A local time in the zone, or in UTC when there is no zone.
icaltimetype timeIn(const QDate& day, const QTime& time, icaltimezone* zone) {
    if (zone != nullptr || !time.isValid()) {
        return icalTime(day, time, zone);
    }
    const QDateTime utc = QDateTime(day, time).toUTC();
    return icalTime(utc.date(), utc.time(), icaltimezone_get_utc_timezone());
}

// The zone's TZID as the system names it, not with libical's own prefix.
void renameZone(icalproperty* p, const QByteArray& zoneId) {
    icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    if (tzid != nullptr) {
        icalparameter_set_tzid(tzid, zoneId.constData());
    }
}

void addAlarm(icalcomponent* event, const QByteArray& text) {
    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.constData()));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(0);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_component(event, alarm);
}

icalcomponent* eventOf(const KeyedAppointment& k, icaltimezone* zone, const QByteArray& zoneId,
                       const QByteArray& uid, const icaltimetype& stamp) {
    const Appointment& a = k.appointment;
    const QByteArray text = a.text.toUtf8();
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_set_uid(event, uid.constData());
    icalcomponent_set_dtstamp(event, stamp);
    icalcomponent_set_dtstart(event, timeIn(a.day, a.start, zone));
    if (!a.start.isValid()) {
        icalcomponent_set_dtend(event, icalTime(a.day.addDays(1), QTime(), nullptr));
    } else if (a.end.isValid()) {
        icalcomponent_set_dtend(event, timeIn(a.day, a.end, zone));
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_ANY_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(event, ICAL_ANY_PROPERTY)) {
        renameZone(p, zoneId);
    }
    icalcomponent_set_summary(event, text.constData());
    icalcomponent_add_property(event, icalproperty_new_class(a.shared == QLatin1String("S")
                                                                 ? ICAL_CLASS_PUBLIC
                                                                 : ICAL_CLASS_PRIVATE));
    if (a.status == kBirthday) {
        icalrecurrencetype yearly;
        icalrecurrencetype_clear(&yearly);
        yearly.freq = ICAL_YEARLY_RECURRENCE;
        icalcomponent_add_property(event, icalproperty_new_rrule(yearly));
    }
    icalproperty* status = icalproperty_new_x(a.status.toUtf8().constData());
    icalproperty_set_x_name(status, "X-ORVALUNE-STATUS");
    icalcomponent_add_property(event, status);
    if (a.status == kPending) {
        addAlarm(event, text);
    }
    return event;
}

void append(QByteArray& file, icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    file += text;
    icalmemory_free_buffer(text);
    icalcomponent_free(component);
}

} // namespace

QByteArray writeCalendar(const QVector<KeyedAppointment>& appointments, const QByteArray& zoneId,
                         const QString& uidPrefix, const QDateTime& stamp) {
    icaltimezone* zone = icaltimezone_get_builtin_timezone(zoneId.constData());
    QByteArray file("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvalune//Agenda//PT-BR\r\n"
                    "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n");
    file.reserve(appointments.size() * 400 + 8192);
    if (zone != nullptr) {
        icalcomponent* description = icalcomponent_new_clone(icaltimezone_get_component(zone));
        icalproperty* tzid = icalcomponent_get_first_property(description, ICAL_TZID_PROPERTY);
        icalproperty_set_tzid(tzid, zoneId.constData());
        append(file, description);
    }
    const QDateTime utc = stamp.toUTC();
    const icaltimetype dtstamp = icalTime(utc.date(), utc.time(), icaltimezone_get_utc_timezone());
    for (const KeyedAppointment& k : appointments) {
        const QByteArray uid = (uidPrefix + QString::number(k.key)).toUtf8();
        append(file, eventOf(k, zone, zoneId, uid, dtstamp));
    }
    file += "END:VCALENDAR\r\n";
    return file;
}

} // namespace orv::appointments
