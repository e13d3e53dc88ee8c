#include "printing/Reports.h"
#include "printing/ui/PrintReport.h"
#include "printing/ui/PrinterSurface.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// Destinations of the tests: no printer, a "printer" that writes what it gets to
// a file, or one that refuses every job; saved copies go to a temporary folder.
class TestDestinations final : public PrintDestinations {
public:
    enum Kind { NoPrinter, Accepting, Refusing };
    explicit TestDestinations(Kind kind) : kind_(kind) {}

    std::unique_ptr<QPrinter> defaultPrinter() const override {
        if (kind_ == NoPrinter) {
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(kind_ == Accepting ? printed() : "/nonexistent/folder/job.pdf");
        return printer;
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
        app.ctx.db.executeSql("insert into Tarefas (Usuario,Data,DataFim,Descricao,Status,"
                              "Prioridade) values (?,'2026-03-01','2026-03-20',?,'1',0)",
                              {ana, QString(140, u'x')});
        app.ctx.db.executeSql("insert into Tarefas (Usuario,Data,DataFim,Descricao,Status,"
                              "Prioridade) values (?,'2026-03-02','2026-03-21','Ligar','0',2)",
                              {ana});
    }
};

TEST_F(PrintOutput, TheReportFontIsFixedPitch) {
    const QFont font = PrinterSurface::reportFont();
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    PrinterSurface surface(printer);
    EXPECT_NEAR(surface.lineHeight(), 204, 20) << "one 9-point line, in twips";
}

TEST_F(PrintOutput, APrinterGetsTheJobOrTheUserGetsACopy) {
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

    const QStringList text = pdfText(path);
    if (text.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
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

// The tasks report is read back above; the address book is the one with bold
// lines. The other reports go the same way through the same surface.
TEST_F(PrintOutput, TheAddressBookRendersToPdf) {
    app.ctx.db.executeSql("insert into Enderecos (Usuario,Nome,Cidade,Estado,Compartilhado) "
                          "values (?,'Bruno Lima','Recife','PE','N')",
                          {ana});
    TestDestinations none(TestDestinations::NoPrinter);
    printReport(app.ctx, contactsReport(app.ctx), none);
    ASSERT_EQ(none.saved().size(), 1);
    const QStringList text = pdfText(none.savedPath());
    if (text.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    EXPECT_TRUE(text.join('\n').contains("Bruno Lima"));
}

} // namespace
