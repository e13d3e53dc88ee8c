#include "support/TestSupport.h"

#include "appointments/ui/AppointmentsPanel.h"
#include "db/DbError.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"
#include "search/Search.h"
#include "search/ui/SearchFrame.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

const QDate kToday(2026, 12, 2);

// ANA and BRUNO on one data file: rows of every kind that hold "dentista",
// spelled with and without accents and capitals, some of BRUNO's shared.
struct Search : ::testing::Test {
    TestApp app;
    qint64 ana = app.addUser(QStringLiteral("ANA"));
    qint64 bruno = app.addUser(QStringLiteral("BRUNO"));
    MainWindow window{app.ctx};

    Search() {
        app.clock.set(QDateTime(kToday, QTime(9, 0)));
        const auto sql = [&](const char* statement, const Params& params) {
            app.ctx.db.executeSql(QLatin1String(statement), params);
        };
        const char* appointment = "Insert into Compromissos (Usuario, Data, Hora, Compromisso, "
                                  "ChavePai, Status, Compartilhado) values (?, ?, ?, ?, 0, ?, ?)";
        sql(appointment, {ana, QDate(2026, 12, 10), "15:00:00", "Consulta DENTISTA", "0", "N"});
        sql(appointment, {bruno, QDate(2027, 1, 4), "09:00:00", "Dentista com Bruno", "0", "S"});
        sql(appointment, {bruno, QDate(2027, 1, 5), "09:00:00", "dentista secreto", "0", "N"});
        const char* contact = "Insert into Enderecos (Usuario, Nome, Compartilhado, "
                              "ChaveAniversario) values (?, ?, ?, 0)";
        sql(contact, {ana, "Dr. Dêntista Souza", "N"});
        sql(contact, {bruno, "Clínica Dentísta", "S"});
        sql(contact, {bruno, "Dentista particular", "N"});
        sql("Update Enderecos set FoneCel = '(19) 99876-5432' Where Nome like 'Dr.%'", {});
        const char* task = "Insert into Tarefas (Usuario, Data, DataFim, Descricao, Status, "
                           "Prioridade) values (?, ?, ?, ?, '0', 1)";
        sql(task, {ana, kToday, kToday, "Pagar o dentista"});
        sql(task, {bruno, kToday, kToday, "dentista do Bruno"});
        sql("Insert into Notas (Usuario, Notas) values (?, ?)",
            {ana, "comprar pão\nligar pro DENTISTA amanhã"});
        sql("Insert into Notas (Usuario, Notas) values (?, ?)", {bruno, "dentista bruno"});
        sql("Insert into Financas (Usuario, Data, Descricao, Recebido, Pago, Efetuado) values "
            "(?, ?, ?, Null, 150, 'S')",
            {ana, QDate(2026, 11, 5), "Dentista: consulta"});
        sql("Insert into Financas (Usuario, Data, Descricao, Recebido, Pago, Efetuado) values "
            "(?, ?, ?, Null, 90, 'S')",
            {bruno, QDate(2026, 11, 5), "dentista do Bruno"});
        app.logOn(ana);
        window.show();
        QApplication::setActiveWindow(&window);
        window.loadSequence();
    }

    QStringList found() const {
        QStringList rows;
        const QTreeWidget* list = window.frmPesquisaGeral->lstPesquisaGeral;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            rows << QStringList{item->text(0), item->text(1), item->text(2)}
                        .join(QLatin1Char('|'))
                        .remove(QRegularExpression(QStringLiteral("\\|+$")));
        }
        return rows;
    }
    void type(const QString& text) {
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QLineEdit* box = window.frmPesquisaGeral->txtPesquisaGeral;
        ASSERT_TRUE(box->hasFocus());
        box->clear();
        typeText(box, text);
        ASSERT_TRUE(window.frmPesquisaGeral->tmrPesquisa->isActive());
        QMetaObject::invokeMethod(window.frmPesquisaGeral->tmrPesquisa, "timeout");
        // What was typed while the data were still being read is searched when they arrive.
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.frmPesquisaGeral->indexRead(); }));
    }
};

TEST_F(Search, FindsEveryKindButNeverAnotherUsersPrivateRows) {
    type(QStringLiteral("dentísta"));
    EXPECT_EQ(found(), QStringList({
                           "Compromissos",
                           "04/01/2027 09:00|Dentista com Bruno [BRUNO]",
                           "10/12/2026 15:00|Consulta DENTISTA",
                           "Endereços",
                           "|Clínica Dentísta [BRUNO]",
                           "|Dr. Dêntista Souza",
                           "Tarefas",
                           "02/12/2026|Pagar o dentista",
                           "Anotações",
                           "|ligar pro DENTISTA amanhã",
                           "Finanças",
                           "11/2026|Dentista: consulta|Pago 150,00",
                       }));
    type(QStringLiteral("NADA ASSIM"));
    EXPECT_TRUE(found().isEmpty());
    EXPECT_EQ(window.frmPesquisaGeral->lblPesquisaGeral->text(),
              QStringLiteral("Nada encontrado."));

    // Without others' shared rows, only ANA's own; text is bound, never SQL.
    const auto kinds = [&](bool shared, const QString& typed) {
        QStringList texts;
        for (const auto& hit :
             search::findEverywhere(app.ctx.db, search::Scope{ana, shared}, typed)) {
            texts << hit.text;
        }
        return texts;
    };
    EXPECT_EQ(kinds(false, QStringLiteral("DENTISTA")).size(), 5);
    EXPECT_EQ(kinds(false, QStringLiteral("99876-5")), QStringList{"Dr. Dêntista Souza"});
    EXPECT_TRUE(kinds(true, QStringLiteral("' or 1=1 --")).isEmpty());
    EXPECT_TRUE(kinds(true, QStringLiteral("%")).isEmpty());
}

TEST_F(Search, EnterOpensEachFoundRowWhereItLives) {
    const struct {
        QString row, panel;
        std::function<void(MainWindow&)> check;
    } rows[] = {
        {"10/12/2026 15:00|Consulta DENTISTA", panel::Compromissos,
         [](MainWindow& w) {
             auto* p =
                 qobject_cast<appointments::AppointmentsPanel*>(w.panelFrame(panel::Compromissos));
             EXPECT_EQ(p->currentDay(), QDate(2026, 12, 10));
             const int row = p->grdCompromissos->currentIndex().row() + 1;
             EXPECT_EQ(p->grdCompromissos->text(row, 3).trimmed(), "Consulta DENTISTA");
         }},
        {"|Dr. Dêntista Souza", panel::Enderecos,
         [](MainWindow& w) {
             EXPECT_EQ(w.findChild<QLineEdit*>("txtDadosEndNome")->text(), "Dr. Dêntista Souza");
         }},
        {"02/12/2026|Pagar o dentista", panel::Tarefas,
         [](MainWindow& w) {
             EXPECT_EQ(w.findChild<QPlainTextEdit*>("txtTarefaDescricao")->toPlainText(),
                       "Pagar o dentista");
         }},
        {"|ligar pro DENTISTA amanhã", panel::Notas,
         [](MainWindow& w) {
             EXPECT_EQ(w.findChild<QPlainTextEdit*>("txtNotas")->textCursor().selectedText(),
                       "ligar pro DENTISTA amanhã");
         }},
        {"11/2026|Dentista: consulta|Pago 150,00", panel::Financas,
         [](MainWindow& w) {
             EXPECT_EQ(w.findChild<QPlainTextEdit*>("txtFinancasDescricao")->toPlainText(),
                       "Dentista: consulta");
         }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row.toStdString());
        type(QStringLiteral("dentista"));
        QTreeWidget* list = window.frmPesquisaGeral->lstPesquisaGeral;
        const int at = found().indexOf(r.row);
        ASSERT_GE(at, 0);
        list->setCurrentItem(list->topLevelItem(at));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(window.frmPesquisaGeral->isVisible());
        EXPECT_EQ(window.panelName(), r.panel);
        r.check(window);
    }
    // A data file gone: the program's message, and the search closes.
    const QString data = app.ctx.paths.dataFile();
    QFile::rename(data, data + QStringLiteral(".fora"));
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.frmPesquisaGeral->isVisible(); }));
    EXPECT_EQ(app.messages.last(),
              app.ctx.guard.textFor(DbError(kFileFailure, {}, DbCause::Missing)));
    QFile::rename(data + QStringLiteral(".fora"), data);

    // Escape closes the search; a session end empties it.
    type(QStringLiteral("dentista"));
    QTest::keyClick(window.frmPesquisaGeral->txtPesquisaGeral, Qt::Key_Escape);
    EXPECT_FALSE(window.frmPesquisaGeral->isVisible());
    app.ctx.resets.runAll();
    EXPECT_TRUE(found().isEmpty());
    EXPECT_TRUE(window.frmPesquisaGeral->txtPesquisaGeral->text().isEmpty());
}

} // namespace
