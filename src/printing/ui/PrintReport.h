#pragma once

#include "contacts/ContactFilter.h"

#include <QDate>
#include <QString>
#include <memory>

class QPrinter;

namespace orv {

class AppContext;
struct Report;

// Where a report can go: the system's default printer, and the folder where a
// PDF copy is saved when there is no printer or it refuses the job.
class PrintDestinations {
public:
    virtual ~PrintDestinations() = default;
    // The default printer, or nothing when none is installed.
    virtual std::unique_ptr<QPrinter> defaultPrinter() const;
    // The user's documents folder.
    virtual QString documentsFolder() const;
};

// Prints the report on the default printer, without preview or choice, and says
// so; with no printer, or one that refuses the job, saves it as a PDF in the
// documents folder and tells the user where. Does nothing while a new user is
// being created.
void printReport(AppContext& ctx, const Report& report,
                 const PrintDestinations& destinations = PrintDestinations());

// The reports of the four panels that print.
void printAppointments(AppContext& ctx, const QDate& day);
void printContacts(AppContext& ctx,
                   const contacts::ContactFilter& filter = contacts::ContactFilter());
void printLedger(AppContext& ctx, int month, int year);
void printTasks(AppContext& ctx);

} // namespace orv
