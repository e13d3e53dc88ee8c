#include "appointments/AppointmentStore.h"
#include "finances/LedgerStore.h"
#include "printing/Reports.h"
#include "printing/ui/PrintReport.h"
#include "printing/ui/PrinterSurface.h"
#include "tasks/TaskStore.h"

#include "support/Faults.h"
#include "support/TestSupport.h"

#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

using namespace orv;

namespace {

// Destinations of the tests: no printer, a queue that takes every job (its PDF
// is kept in a file), one that refuses every job, or the print system's real
// default queue; saved copies go to a temporary folder.
class TestDestinations final : public PrintDestinations {
public:
    enum Kind { NoPrinter, Accepting, Refusing, System };
    explicit TestDestinations(Kind kind) : kind_(kind) {}

    QString defaultQueue() const override {
        return kind_ == System      ? PrintDestinations::defaultQueue()
               : kind_ == NoPrinter ? QString()
                                    : QStringLiteral("teste");
    }
    QString submit(const QString& queue, const QString& pdf, const QString& title) const override {
        if (kind_ == System) {
            return PrintDestinations::submit(queue, pdf, title);
        }
        return kind_ == Accepting && QFile::copy(pdf, printed()) ? QString() : "recusado";
    }
    QString documentsFolder() const override { return dir_.filePath("Documentos"); }

    QString printed() const { return dir_.filePath("impressora.pdf"); }
    QStringList saved() const {
        return QDir(documentsFolder()).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    }
    QString savedPath(int i = 0) const { return QDir(documentsFolder()).filePath(saved().at(i)); }

private:
    Kind kind_;
    QTemporaryDir dir_;
};

// A virtual PDF queue of the real print system (CUPS with cups-pdf), made the
// default through PRINTER; the scheduler is started when none runs. Root only,
// as setting up queues is.
class PdfQueue {
public:
    static constexpr const char* kName = "OrvaluneTeste";

    PdfQueue() {
        if (!test::runningAsRoot() || !QFile::exists("/usr/lib/cups/backend/cups-pdf")) {
            return;
        }
        if (!schedulerRuns()) {
            scheduler_.start("cupsd", {"-f"});
            for (int i = 0; i < 50 && !schedulerRuns(); ++i) {
                QThread::msleep(200);
            }
        }
        QFile config(kConfig);
        ready_ = config.open(QIODevice::WriteOnly) &&
                 config.write(QString("Out %1\nAnonDirName %1\n").arg(out_.path()).toUtf8()) > 0;
        config.close();
        ready_ = ready_ && run("lpadmin", {"-p", kName, "-E", "-v", "cups-pdf:/orvalune-teste",
                                           "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
        qputenv("PRINTER", kName);
    }
    ~PdfQueue() {
        run("lpadmin", {"-x", kName});
        QFile::remove(kConfig);
        qunsetenv("PRINTER");
        if (scheduler_.state() != QProcess::NotRunning) {
            scheduler_.terminate();
            scheduler_.waitForFinished(10000);
        }
    }
    bool ready() const { return ready_; }
    static bool run(const QString& tool, const QStringList& args) {
        QProcess p;
        p.start(tool, args);
        return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }
    // The PDFs the queue wrote, once there are as many as expected (or after 30 s).
    QStringList printed(int expected) const {
        QStringList files;
        for (int i = 0; i < 150 && files.size() < expected; ++i) {
            QThread::msleep(200);
            files = QDir(out_.path()).entryList({"*.pdf"}, QDir::Files);
        }
        return files;
    }

private:
    static bool schedulerRuns() {
        QProcess p;
        p.start("lpstat", {"-r"});
        return p.waitForFinished(5000) && p.readAllStandardOutput().contains("is running");
    }
    static constexpr const char* kConfig = "/etc/cups/cups-pdf-orvalune-teste.conf";
    QTemporaryDir out_;
    QProcess scheduler_;
    bool ready_ = false;
};

// The text of a PDF as laid out on the page, read at the pitch of 9-point
// "Courier New" (5.4 points a character); nothing without pdftotext.
QStringList pdfText(const QString& path) {
    QProcess tool;
    tool.start("pdftotext", {"-layout", "-fixed", "5.4", path, "-"});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n');
}

struct PrintOutput : ::testing::Test {
    test::TestApp app;
    qint64 ana = 0;

    void SetUp() override {
        ana = app.addUser("ana");
        app.logOn(ana);
        app.clock.set(QDateTime(QDate(2026, 3, 15), QTime(9, 41)));
        const tasks::TaskStore tasks(app.ctx.db, ana);
        tasks.insert({QDate(2026, 3, 1), QDate(2026, 3, 20), QString(140, u'x'), true, 0});
        tasks.insert({QDate(2026, 3, 2), QDate(2026, 3, 21), "Ligar", false, 2});
    }
};

TEST_F(PrintOutput, AFixedPitchFontAndAPrinterGetsTheJobOrTheUserGetsACopy) {
    const QFont font = PrinterSurface::reportFont();
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_NEAR(PrinterSurface(pdf).lineHeight(), 204, 20) << "one 9-point line, in twips";

    TestDestinations printer(TestDestinations::Accepting);
    printReport(app.ctx, tasksReport(app.ctx), printer);
    EXPECT_EQ(app.messages.texts(), QStringList{"Documento Impresso com Sucesso"});
    EXPECT_GT(QFileInfo(printer.printed()).size(), 0);
    EXPECT_TRUE(printer.saved().isEmpty());

    // A printer that refuses the job: a saved copy, and no word of success.
    TestDestinations refusing(TestDestinations::Refusing);
    app.messages.clear();
    printReport(app.ctx, tasksReport(app.ctx), refusing);
    ASSERT_EQ(refusing.saved().size(), 1);
    EXPECT_TRUE(app.messages.last().startsWith("A impressora não aceitou o documento."));
    EXPECT_TRUE(app.messages.last().contains(refusing.savedPath()));
    EXPECT_FALSE(app.messages.texts().contains("Documento Impresso com Sucesso"));

    // An address book query without rows prints nothing and still reports success.
    app.messages.clear();
    QFile::remove(printer.printed());
    printReport(app.ctx, contactsReport(app.ctx), printer);
    EXPECT_EQ(app.messages.last(), "Documento Impresso com Sucesso");
    EXPECT_FALSE(QFileInfo::exists(printer.printed()));

    // Inert while a new user is being created.
    app.messages.clear();
    app.ctx.session.newUserMode = true;
    printReport(app.ctx, tasksReport(app.ctx), printer);
    EXPECT_TRUE(app.messages.texts().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(printer.printed()));
}

// The tasks report is read back; the address book is the one with bold lines.
// The other reports go the same way through the same surface.
TEST_F(PrintOutput, WithoutAPrinterTheReportIsSavedAsPdf) {
    TestDestinations none(TestDestinations::NoPrinter);
    printReport(app.ctx, tasksReport(app.ctx), none);
    ASSERT_EQ(none.saved(), QStringList{"Tarefas 2026-03-15 09h41.pdf"});
    const QString path = none.savedPath();
    ASSERT_EQ(app.messages.shown().size(), 1u);
    EXPECT_TRUE(app.messages.last().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(app.messages.shown().back().icon, msg::Information);
    EXPECT_FALSE(app.messages.last().contains("Sucesso"));

    // A second copy in the same minute keeps the first.
    printReport(app.ctx, tasksReport(app.ctx), none);
    EXPECT_EQ(none.saved().size(), 2);

    // A report with nothing in it leaves no file behind.
    app.messages.clear();
    printReport(app.ctx, contactsReport(app.ctx), none);
    EXPECT_EQ(none.saved().size(), 2);
    EXPECT_EQ(app.messages.texts(), QStringList{"Não há nada para imprimir."});
    app.ctx.db.executeSql("insert into Enderecos (Usuario,Nome,Cidade,Estado,Compartilhado) "
                          "values (?,'Bruno Lima','Recife','PE','N')",
                          {ana});
    printReport(app.ctx, contactsReport(app.ctx), none);
    ASSERT_EQ(none.saved().size(), 3);

    const QStringList text = pdfText(path);
    if (text.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    EXPECT_TRUE(pdfText(none.savedPath(0)).join('\n').contains("Bruno Lima"));
    // The lines are there and, the face being fixed-pitch, the bars stand in line.
    const QString all = text.join('\n');
    EXPECT_TRUE(all.contains("Tarefas da Agenda do Nome de ana"));
    EXPECT_TRUE(all.contains("Página : 01"));
    QList<qsizetype> bars;
    for (const QString& line : text) {
        if (line.contains("Alta") || line.contains("Baixa") || line.trimmed().startsWith("| ")) {
            bars << line.indexOf(u'|');
        }
    }
    ASSERT_EQ(bars.size(), 4) << all.toStdString();
    for (qsizetype bar : bars) {
        EXPECT_EQ(bar, bars.front()) << all.toStdString();
    }
}

// The four reports against the real print system: success only for a job it
// accepted (a stopped queue keeps it), a copy and no success when it refuses
// the job, the no-printer way when the queue is gone.
TEST_F(PrintOutput, TheRealPrintSystemDecidesWhatWasPrinted) {
    PdfQueue queue;
    if (!queue.ready()) {
        GTEST_SKIP() << "needs root, CUPS and cups-pdf";
    }
    Db& db = app.ctx.db;
    db.executeSql("insert into Enderecos (Usuario,Nome,Compartilhado) values (?,'Bia','N')", {ana});
    appointments::insertAppointment(db, ana, {QDate(2026, 3, 15), QTime(10, 0), {}, 0, "Dentista"});
    finances::LedgerStore(db, ana).insertEntry({QDate(2026, 3, 5), "Luz", false, 90, false});
    TestDestinations system(TestDestinations::System);
    for (const Report& report :
         {appointmentsReport(app.ctx, QDate(2026, 3, 15)), contactsReport(app.ctx),
          ledgerReport(app.ctx, 3, 2026), tasksReport(app.ctx)}) {
        printReport(app.ctx, report, system);
    }
    EXPECT_EQ(app.messages.texts(), QStringList(4, "Documento Impresso com Sucesso"));
    EXPECT_EQ(queue.printed(4).size(), 4);

    ASSERT_TRUE(PdfQueue::run("cupsdisable", {PdfQueue::kName}));
    app.messages.clear();
    printReport(app.ctx, tasksReport(app.ctx), system);
    EXPECT_EQ(app.messages.texts(), QStringList{"Documento Impresso com Sucesso"});

    ASSERT_TRUE(PdfQueue::run("cupsreject", {PdfQueue::kName}));
    printReport(app.ctx, tasksReport(app.ctx), system);
    EXPECT_TRUE(app.messages.last().startsWith("A impressora não aceitou o documento."));
    EXPECT_EQ(system.saved().size(), 1);

    ASSERT_TRUE(PdfQueue::run("lpadmin", {"-x", PdfQueue::kName}));
    printReport(app.ctx, tasksReport(app.ctx), system);
    EXPECT_TRUE(app.messages.last().startsWith("Nenhuma impressora está instalada."));
    EXPECT_EQ(system.saved().size(), 2);
    EXPECT_EQ(queue.printed(4).size(), 4) << "nothing more reached the queue's folder";
}

} // namespace
