#include "printing/ui/PrintReport.h"

#include "mainwindow/ui/WaitCursor.h"
#include "printing/PrintQueue.h"
#include "printing/Reports.h"
#include "printing/ui/PrinterSurface.h"
#include "session/AppContext.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace orv {

namespace {

enum class Outcome { Done, Empty, Failed };

// Writes the report under the hourglass.
Outcome writeOn(QPrinter& printer, const Report& report) {
    WaitCursor busy;
    PrinterSurface surface(printer);
    report.write(surface);
    const bool drew = surface.drewAnything();
    if (!surface.finish()) {
        return Outcome::Failed;
    }
    return drew ? Outcome::Done : Outcome::Empty;
}

// "<report> <date> <time>.pdf", numbered when such a file is already there.
QString pdfPath(const QString& folder, const QString& name, const QDateTime& at) {
    const QString stem = name + at.toString(QStringLiteral(" yyyy-MM-dd HH'h'mm"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = QDir(folder).filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    }
    return path;
}

void saveAsPdf(AppContext& ctx, const Report& report, const QString& folder, bool refused) {
    QDir().mkpath(folder);
    const QString path = pdfPath(folder, report.name, ctx.clock.now());
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(4, 6, 4, 6), QPageLayout::Millimeter));
    pdf.setDocName(report.name);
    const QString native = QDir::toNativeSeparators(path);
    switch (writeOn(pdf, report)) {
    case Outcome::Done:
        ctx.messages.okay((refused ? QStringLiteral("A impressora não aceitou o documento.")
                                   : QStringLiteral("Nenhuma impressora está instalada.")) +
                              QStringLiteral("\nO relatório foi salvo em:\n") + native,
                          msg::Information);
        break;
    case Outcome::Empty:
        QFile::remove(path);
        ctx.messages.okay(QStringLiteral("Não há nada para imprimir."), msg::Information);
        break;
    case Outcome::Failed:
        QFile::remove(path);
        ctx.messages.okay(
            QStringLiteral("Não foi possível imprimir o relatório nem salvá-lo em:\n") + native,
            msg::Serious);
        break;
    }
}

} // namespace

QString PrintDestinations::defaultQueue() const {
    return printqueue::defaultQueue();
}

QString PrintDestinations::submit(const QString& queue, const QString& pdfPath,
                                  const QString& title) const {
    return printqueue::submitPdf(queue, pdfPath, title);
}

QString PrintDestinations::documentsFolder() const {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void printReport(AppContext& ctx, const Report& report, const PrintDestinations& destinations) {
    if (ctx.session.newUserMode) {
        return;
    }
    const QString queue = destinations.defaultQueue();
    if (!queue.isEmpty()) {
        // The job is laid out on the queue's page and handed over as a PDF, so
        // the print system's answer is known: Qt's own printer does not tell a
        // refused job.
        QTemporaryDir folder;
        const QString job = folder.filePath(QStringLiteral("job.pdf"));
        QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(job);
        printer.setDocName(report.name);
        const Outcome outcome = folder.isValid() ? writeOn(printer, report) : Outcome::Failed;
        // An empty report sends no job and still counts as printed.
        if (outcome == Outcome::Empty ||
            (outcome == Outcome::Done && destinations.submit(queue, job, report.name).isEmpty())) {
            ctx.messages.okay(QStringLiteral("Documento Impresso com Sucesso"), msg::NoIcon);
            return;
        }
    }
    saveAsPdf(ctx, report, destinations.documentsFolder(), !queue.isEmpty());
}

void printAppointments(AppContext& ctx, const QDate& day) {
    printReport(ctx, appointmentsReport(ctx, day));
}

void printContacts(AppContext& ctx, const contacts::ContactFilter& filter) {
    printReport(ctx, contactsReport(ctx, filter));
}

void printLedger(AppContext& ctx, int month, int year) {
    printReport(ctx, ledgerReport(ctx, month, year));
}

void printTasks(AppContext& ctx) {
    printReport(ctx, tasksReport(ctx));
}

} // namespace orv
