#pragma once

#include "contacts/ContactFilter.h"
#include "printing/ReportSink.h"

#include <QDate>
#include <QString>
#include <functional>

namespace orv {

class AppContext;

// One printable report: the name its saved copy takes, and how to write it onto
// a surface. Writing runs the report's queries afresh, so it can be repeated.
struct Report {
    QString name;
    std::function<void(ReportSink&)> write;
};

// The appointments of one day, in the order of the day schedule.
Report appointmentsReport(const AppContext& ctx, const QDate& day);
// The address book of the logged-on user under the contact list's filter.
// Nothing at all is written when no contact matches.
Report contactsReport(const AppContext& ctx,
                      const contacts::ContactFilter& filter = contacts::ContactFilter());
// The ledger of one month with its starting and current balance.
Report ledgerReport(const AppContext& ctx, int month, int year);
// The task list, by end date and priority.
Report tasksReport(const AppContext& ctx);

// The records of the reports, each a text of one or more lines ('\n' between them).
struct AppointmentEntry {
    QString start; // "HH:NN", empty for an all-day item
    QString end;   // "HH:NN", empty when there is none
    QString text;
};
QString appointmentRecord(const AppointmentEntry& entry);

struct LedgerEntry {
    QDate date;
    QString description;
    double received = 0;
    double paid = 0;
    bool done = false;
};
QString ledgerRecord(const LedgerEntry& entry, QChar decimalSeparator);
// "####0.00" with the locale's decimal separator.
QString ledgerAmount(double value, QChar decimalSeparator);

struct TaskEntry {
    QDate start;
    QDate end;
    int priority = 1; // 0 Alta, 1 Normal, 2 Baixa
    QString description;
    bool done = false;
};
QString taskRecord(const TaskEntry& entry);

} // namespace orv
