#include "printing/ReportPage.h"
#include "printing/ReportText.h"
#include "printing/ReportTranscript.h"
#include "printing/Reports.h"

#include "db/Db.h"
#include "support/TestSupport.h"

#include <QRegularExpression>

using namespace orv;

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

// A description of n characters that shows where each character stood.
QString description(int n) {
    QString text;
    for (int i = 0; i < n; ++i) {
        text += QChar(u'a' + i % 26);
    }
    return text;
}

TEST(ReportText, WrappedDescriptionsAndTheirContinuationLines) {
    const struct {
        int width, max, prefixBlanks;
        std::vector<std::pair<int, int>> lengthsAndLines;
    } layouts[] = {
        {68, 4, 20, {{68, 1}, {69, 2}, {136, 2}, {137, 3}, {204, 3}, {205, 4}, {255, 4}}}, // tasks
        {63, 4, 13, {{63, 1}, {64, 2}, {126, 2}, {127, 3}, {189, 3}, {190, 4}, {255, 4}}}, // ledger
        {88, 3, 16, {{88, 1}, {89, 2}, {176, 2}, {177, 3}, {255, 3}}}, // appointments
    };
    for (const auto& layout : layouts) {
        const QString prefix = blanks(layout.prefixBlanks) + QStringLiteral("| ");
        for (const auto& [length, lines] : layout.lengthsAndLines) {
            const QString text = description(length);
            const QStringList out =
                wrapped(text, {layout.width, layout.max, prefix, false}).split(u'\n');
            ASSERT_EQ(out.size(), lines) << layout.width << " / " << length;
            EXPECT_EQ(out.join(QString()).remove(prefix), text) << "no character lost";
            for (int i = 1; i < out.size(); ++i) {
                EXPECT_TRUE(out[i].startsWith(prefix)) << out[i].toStdString();
                const int expected = i + 1 < out.size() ? layout.width : length - i * layout.width;
                EXPECT_EQ(out[i].size() - prefix.size(), expected) << "segment " << i;
            }
        }
    }

    // Padded segments, the last one taking the rest: see LedgerMonthWithItsBalances.
    // Trimmed, and every line break becomes one blank.
    EXPECT_EQ(wrapSegments(QStringLiteral("  Linha 1\r\nLinha 2\nLinha 3\r  "), 88, 3),
              QStringList{"Linha 1 Linha 2 Linha 3"});
    EXPECT_EQ(wrapSegments(QString(), 88, 3), QStringList{QString()});
}

// What the reports built from stored rows do not reach; their usual lines are
// checked in the report tests below.
TEST(ReportRecords, PaddingAmountsAndOddRecords) {
    EXPECT_EQ(pad(QVariant(), 3), "   ") << "a null value pads as the empty text";
    EXPECT_EQ(pad(QVariant(12.5), 6, true), "  12.5");
    EXPECT_EQ(pad(description(66), 63), description(66)) << "a longer value is kept whole";

    EXPECT_EQ(appointmentRecord({"09:00", "10:30", " Dentista"}), "  09:00 - 10:30 | Dentista");
    EXPECT_EQ(appointmentRecord({"09:00", "", description(89)}),
              "  09:00" + blanks(8) + " | " + description(88) + "\n" + blanks(16) + "| " +
                  description(89).mid(88));

    const QDate day(2026, 3, 15);
    EXPECT_EQ(ledgerRecord({day, "Nada", 0, 0, false}, u',').right(28), " | " + blanks(24) + "-");
    EXPECT_EQ(ledgerAmount(-0.001, u','), "0,00");
    EXPECT_EQ(ledgerAmount(-12.5, u'.'), "-12.50");
    EXPECT_TRUE(
        taskRecord({day, day, 9, "x", false}).startsWith("  15/03/2026" + blanks(7) + " | "))
        << "an unknown priority keeps the bars in line";
}

// A logged-on user of a fresh data file, with helpers that write rows as the
// panels would.
// What the report draws, written down.
ReportTranscript transcriptOf(const Report& report) {
    ReportTranscript transcript;
    report.write(transcript);
    return transcript;
}

struct ReportData : ::testing::Test {
    test::TestApp app;
    qint64 ana = 0;
    qint64 bia = 0;
    ReportTranscript out;

    void SetUp() override {
        ana = app.addUser(QStringLiteral("ana"));
        bia = app.addUser(QStringLiteral("bia"));
        app.logOn(ana);
        app.clock.set(QDateTime(QDate(2026, 3, 15), QTime(9, 41)));
    }
    qint64 appointment(qint64 user, const QString& time, const QString& end, const QString& text,
                       const QString& status = "0", const QString& shared = "N", qint64 parent = 0,
                       const char* day = "2026-03-15") {
        return app.ctx.db.insertSql(
            "insert into Compromissos (Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,Status,"
            "Compartilhado) values (?,?,?,?,?,?,?,?)",
            {user, day, time.isEmpty() ? QVariant() : QVariant(time + ":00"),
             end.isEmpty() ? QVariant() : QVariant(end + ":00"), text, parent, status, shared});
    }
    void task(qint64 user, const char* start, const char* end, const QString& text,
              const char* status = "0", int priority = 1) {
        app.ctx.db.executeSql("insert into Tarefas (Usuario,Data,DataFim,Descricao,Status,"
                              "Prioridade) values (?,?,?,?,?,?)",
                              {user, start, end, text, status, priority});
    }
    // Tasks "Tarefa from" up to before "Tarefa to", in one transaction.
    void tasks(int from, int to) {
        Transaction t(app.ctx.db);
        for (int i = from; i < to; ++i) {
            task(ana, "2026-03-01", "2026-03-20", QStringLiteral("Tarefa %1").arg(i));
        }
        t.commit();
    }
    void contact(qint64 user, const QString& name, const QString& notes = {},
                 const QString& shared = "N") {
        app.ctx.db.executeSql(
            "insert into Enderecos (Usuario,Nome,Empresa,Endereco,Cidade,Estado,Cep,Email,FoneRes,"
            "FoneCel,FoneCom,Observacao,Aniversario,Compartilhado) values "
            "(?,?,'Firma','Rua A, 1','Recife','PE','50000000','x@y.br','3333-4444',"
            "'99999-8888',NULL,?,'12/05',?)",
            {user, name, notes.isEmpty() ? QVariant() : QVariant(notes), shared});
    }
    QStringList entriesStarting(const char* head) const {
        return out.entries().filter(QRegularExpression(QLatin1Char('^') + QLatin1String(head)));
    }
};

TEST_F(ReportData, PageFrameAndPageBreaksOfTheTaskReport) {
    // Each task takes two lines of 204 twips: 34 tasks bring y past 14000.
    tasks(0, 34);
    tasksReport(app.ctx).write(out);
    const QStringList& e = out.entries();
    ASSERT_GE(e.size(), 4);
    EXPECT_EQ(e[0], "T 100 100  Tarefas da Agenda do Nome de ana");
    EXPECT_EQ(e[1], "R 100 400 11200 400");
    EXPECT_TRUE(e[2].startsWith("T 0 500   01/03/2026 Normal | Tarefa 0")) << e[2].toStdString();
    EXPECT_EQ(e[3], "T 0 704  ");
    // The page breaks after the 34th record, at y = 500 + 34 * 408 = 14372:
    // the last page holds only the frame.
    EXPECT_EQ(e.count("P"), 1);
    const QString footer1 = " 15/03/2026 09:41" + blanks(75) + "Página : 01";
    const qsizetype breakAt = e.indexOf("P");
    EXPECT_EQ(e[breakAt - 2], "R 100 14372 11200 14372");
    EXPECT_EQ(e[breakAt - 1], "T 100 14472 " + footer1);
    EXPECT_EQ(e.mid(breakAt + 1),
              (QStringList{"T 100 100  Tarefas da Agenda do Nome de ana", "R 100 400 11200 400",
                           "R 100 500 11200 500", "T 100 600 " + footer1.chopped(2) + "02"}));

    // 33 tasks end at exactly y = 13964: no break.
    app.ctx.db.executeSql("delete from Tarefas where Descricao = 'Tarefa 33'");
    EXPECT_EQ(transcriptOf(tasksReport(app.ctx)).entries().count("P"), 0);

    // Ten pages: the footer of the last one reads 10.
    tasks(33, 34 * 9 + 1);
    const ReportTranscript ten = transcriptOf(tasksReport(app.ctx));
    EXPECT_EQ(ten.entries().count("P"), 9);
    EXPECT_TRUE(ten.entries().last().endsWith("Página : 10"));
}

TEST_F(ReportData, TasksInOrderWithTheirWrappedDescriptions) {
    task(ana, "2026-03-02", "2026-03-10", "Baixa de d'Ávila", "0", 2);
    task(ana, "2026-03-01", "2026-03-10", "Alta\r\ncom quebra", "1", 0);
    task(ana, "2026-03-03", "2026-03-05", description(137));
    task(bia, "2026-03-01", "2026-03-01", "de outra pessoa", "0", 0);
    tasksReport(app.ctx).write(out);
    const QStringList lines = out.textLines();
    ASSERT_EQ(lines.size(), 1 + 3 + 1 + 1 + 1 + 1 + 1 + 1);
    EXPECT_TRUE(lines[1].startsWith("  03/03/2026 Normal | " + description(68) + " | "));
    EXPECT_EQ(lines[3], blanks(20) + "| " + pad(description(137).mid(136), 68) + " |  05/03/2026");
    EXPECT_EQ(lines[5], "  01/03/2026  Alta  | " + pad(QStringLiteral("Alta com quebra"), 68) +
                            " |  10/03/2026 X");
    EXPECT_EQ(lines[7], "  02/03/2026  Baixa | " + pad(QStringLiteral("Baixa de d'Ávila"), 68) +
                            " |  10/03/2026");
}

TEST_F(ReportData, AppointmentsOfTheDay) {
    const qint64 dentist = appointment(ana, "09:00", "10:00", "Dentista");
    appointment(ana, "09:30", "10:00", "Dentista", "0", "N", dentist); // continuation slot
    appointment(ana, "08:15", "", "Café com \"O'Brien\"", "1");
    appointment(bia, "11:00", "", "Reunião", "0", "S");
    appointment(bia, "12:00", "", "Feita", "1", "S"); // another user's done one: not shown
    appointment(bia, "13:00", "", "Particular", "0", "N");
    appointment(ana, "", "", "Aniversário de Caio", "2");
    appointment(ana, "09:00", "", "Amanhã", "0", "N", 0, "2026-03-16");

    const QStringList records{
        "  " + blanks(13) + " | Aniversário de Caio",
        "  08:15" + blanks(8) + " | Café com \"O'Brien\"",
        "  09:00 - 10:00 | Dentista",
        "  11:00" + blanks(8) + " | Reunião [bia]",
    };
    const auto body = [](const ReportTranscript& t) {
        QStringList lines = t.textLines();
        lines.removeFirst(); // title
        lines.removeLast();  // footer
        lines.removeAll(QStringLiteral(" "));
        return lines;
    };

    appointmentsReport(app.ctx, QDate(2026, 3, 15)).write(out);
    EXPECT_EQ(out.textLines().first(),
              " Compromissos do Dia : domingo, 15 de março de 2026 da Agenda do Nome de ana");
    EXPECT_EQ(body(out), records) << "birthdays above";

    app.ctx.settings.birthdayPosition = "D";
    const ReportTranscript below = transcriptOf(appointmentsReport(app.ctx, QDate(2026, 3, 15)));
    EXPECT_EQ(body(below), (QStringList{records[1], records[2], records[3], records[0]}));

    app.ctx.settings.birthdayPosition = "X";
    app.ctx.settings.showShared = false;
    const ReportTranscript own = transcriptOf(appointmentsReport(app.ctx, QDate(2026, 3, 15)));
    EXPECT_EQ(body(own), (QStringList{records[1], records[2]}));

    const ReportTranscript empty = transcriptOf(appointmentsReport(app.ctx, QDate(2026, 3, 17)));
    EXPECT_EQ(empty.entries().size(), 4) << "title, rule, closing rule and footer";
}

TEST_F(ReportData, AddressBook) {
    contact(ana, "Bruno");
    contact(ana, "alice d'Souza", description(101));
    contact(bia, "Carla", description(201), "S");
    contact(bia, "Davi (não compartilhado)");
    contactsReport(app.ctx).write(out);

    const QStringList bold = entriesStarting("B ");
    ASSERT_EQ(bold.size(), 3);
    EXPECT_EQ(bold[0], "B 0 500     " + pad(QStringLiteral("alice d'Souza"), 75) + " - 12/05");
    EXPECT_TRUE(bold[1].contains("Bruno"));
    EXPECT_TRUE(bold[2].contains("Carla"));

    const QStringList lines = out.textLines();
    EXPECT_EQ(lines[0], " Endereços da Agenda do Nome de ana");
    EXPECT_EQ(lines[2], "    " + pad(QStringLiteral("Rua A, 1"), 100));
    EXPECT_EQ(lines[3], "    " + pad(QStringLiteral("Recife"), 30) + " - PE - 50000000 - " +
                            pad(QStringLiteral("3333-4444"), 15) + " - " +
                            pad(QStringLiteral("99999-8888"), 15) + " - " + blanks(15));
    EXPECT_EQ(lines[6], "    " + description(100));
    EXPECT_EQ(lines[7], "    " + description(101).mid(100)) << "notes of 101 characters: two lines";
    EXPECT_EQ(lines[8], blanks(5));
    EXPECT_EQ(lines[14], "    " + blanks(100)) << "no notes: one blank line";
    EXPECT_EQ(lines[21], "    " + description(100)) << "notes of 201 characters: three lines";
    EXPECT_EQ(lines[22], "    " + description(201).mid(100, 100));
    EXPECT_EQ(lines[23], "    " + description(201).mid(200));

    // The filter of the contact list, bound: an apostrophe is just a character.
    const auto filter = contacts::ContactFilter::search;
    EXPECT_EQ(
        transcriptOf(contactsReport(app.ctx, filter({"alice d'", {}, {}, {}}))).textLines().size(),
        1 + 8 + 1);

    // No contact: nothing at all is written.
    EXPECT_TRUE(transcriptOf(contactsReport(app.ctx, filter({"ninguém", {}, {}, {}}))).isEmpty());
}

TEST_F(ReportData, AddressBookNeverBreaksAfterTheLastContact) {
    // Seven lines a contact: ten contacts bring y to 14780.
    for (int i = 0; i < 10; ++i) {
        contact(ana, QStringLiteral("Contato %1").arg(i, 2, 10, QLatin1Char('0')));
    }
    contactsReport(app.ctx).write(out);
    EXPECT_EQ(out.entries().count("P"), 0);
    EXPECT_EQ(entriesStarting("R ").last(), "R 100 14780 11200 14780");

    contact(ana, "Contato 10");
    const ReportTranscript eleven = transcriptOf(contactsReport(app.ctx));
    EXPECT_EQ(eleven.entries().count("P"), 1);
    EXPECT_TRUE(eleven.entries().last().endsWith("Página : 02"));
}

TEST_F(ReportData, LedgerMonthWithItsBalances) {
    app.ctx.db.executeSql("insert into Saldos (Usuario,Ano,M3) values (?,2026,100)", {ana});
    const auto entry = [&](const char* date, const QString& text, QVariant received, QVariant paid,
                           const char* done) {
        app.ctx.db.executeSql("insert into Financas (Usuario,Data,Descricao,Recebido,Pago,"
                              "Efetuado) values (?,?,?,?,?,?)",
                              {ana, date, text, received, paid, done});
    };
    entry("2026-03-20", "Conta de luz", QVariant(), 30.25, "S");
    entry("2026-03-05", "Salário", 50, QVariant(), "S");
    entry("2026-03-10", "Planejado", QVariant(), 20, "N");
    entry("2026-03-12", description(255), 5, 7, "N");
    entry("2026-04-01", "Abril", 999, QVariant(), "S");

    ledgerReport(app.ctx, 3, 2026).write(out);
    const QStringList lines = out.textLines();
    EXPECT_EQ(lines[0], " Financas do Mês de Março/2026 da Agenda do Nome de ana");
    EXPECT_EQ(lines[1], blanks(75) + "Saldo Inicial : " + "         100,00");
    EXPECT_EQ(lines[2], "  05/03/2026X| " + pad(QStringLiteral("Salário"), 63) + " |       50,00+");
    EXPECT_EQ(lines[4], "  10/03/2026 | " + pad(QStringLiteral("Planejado"), 63) + " | " +
                            blanks(13) + "      20,00-");
    // 255 characters: four lines, the fourth 66 characters long, nothing lost.
    EXPECT_EQ(lines[6], "  12/03/2026 | " + description(63) + " | ");
    EXPECT_EQ(lines[9], blanks(13) + "| " + description(255).mid(189) + " |        5,00+");
    EXPECT_TRUE(lines[11].startsWith("  20/03/2026X| Conta de luz"));
    EXPECT_EQ(lines[13], blanks(75) + "  Saldo Atual : " + "         119,75")
        << "100 + 50 - 30,25: the planned entries do not count";
    EXPECT_TRUE(lines.last().endsWith("Página : 01"));

    const ReportTranscript empty = transcriptOf(ledgerReport(app.ctx, 2, 2026));
    EXPECT_EQ(empty.textLines().mid(1, 2),
              (QStringList{blanks(75) + "Saldo Inicial : " + "           0,00",
                           blanks(75) + "  Saldo Atual : " + "           0,00"}));
}

} // namespace
