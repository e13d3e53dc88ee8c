#pragma once

#include "contacts/ContactFilter.h"

#include <QDate>
#include <QString>

namespace orv {

class AppContext;
struct Report;

// Where a report can go: the print system's default queue, and the folder
// where a PDF copy is saved when there is no printer or the job is refused.
class PrintDestinations {
public:
    virtual ~PrintDestinations() = default;
    // The default print queue, or empty when no printer is installed.
    virtual QString defaultQueue() const;
    // Hands the report's PDF to the queue; empty when the print system accepted
    // the job, otherwise its reason.
    virtual QString submit(const QString& queue, const QString& pdfPath,
                           const QString& title) const;
    // The user's documents folder.
    virtual QString documentsFolder() const;
};

// Prints the report on the default queue, without preview or choice, and says
// so once the print system has accepted the job; with no printer, or a job
// that is refused, saves it as a PDF in the documents folder and tells the
// user where. Does nothing while a new user is being created.
void printReport(AppContext& ctx, const Report& report,
                 const PrintDestinations& destinations = PrintDestinations());

// The reports of the four panels that print.
void printAppointments(AppContext& ctx, const QDate& day);
void printContacts(AppContext& ctx,
                   const contacts::ContactFilter& filter = contacts::ContactFilter());
void printLedger(AppContext& ctx, int month, int year);
void printTasks(AppContext& ctx);

} // namespace orv
