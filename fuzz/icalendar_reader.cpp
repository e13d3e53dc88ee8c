// libFuzzer target: any bytes offered as an .ics file. The reader (libical
// behind it) must never crash or hang, must add nothing when it reports an
// error, and every appointment it gives must be one the editor could save.

#include "appointments/ICalendarReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orv::appointments;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CalendarFile file = readCalendar(bytes, QDateTime(QDate(2026, 12, 1), QTime(10, 0)));
    check(file.error.isEmpty() || (file.entries.isEmpty() && file.refused == 0));
    for (const CalendarEntry& entry : file.entries) {
        const Appointment& a = entry.appointment;
        check(a.day.isValid() && !a.text.isEmpty() && a.text.size() <= 255);
        check(!a.end.isValid() || (a.start.isValid() && a.end > a.start));
        check(a.status == kPending || a.status == kDone || a.status == kBirthday ||
              a.status == kNoReminder);
    }
    return 0;
}
