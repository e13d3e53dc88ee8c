#include "support/TestSupport.h"

#include "db/DbError.h"
#include "finances/LedgerStore.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"
#include "search/Search.h"
#include "search/ui/SearchFrame.h"
#include "tasks/TaskStore.h"

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
        Db& db = app.ctx.db;
        const char* meeting = "Insert into Compromissos (Usuario, Data, Hora, Compromisso, "
                              "ChavePai, Status, Compartilhado) values (?, ?, ?, ?, 0, '0', ?)";
        db.executeSql(meeting, {ana, QDate(2026, 12, 10), "15:00:00", "Consulta DENTISTA", "N"});
        db.executeSql(meeting, {bruno, QDate(2027, 1, 4), "09:00:00", "Dentista com Bruno", "S"});
        db.executeSql(meeting, {bruno, QDate(2027, 1, 5), "09:00:00", "dentista secreto", "N"});
        const char* contact = "Insert into Enderecos (Usuario, Nome, FoneCel, Compartilhado, "
                              "ChaveAniversario) values (?, ?, ?, ?, 0)";
        db.executeSql(contact, {ana, "Dr. Dêntista Souza", "(19) 99876-5432", "N"});
        db.executeSql(contact, {bruno, "Clínica Dentísta", {}, "S"});
        db.executeSql(contact, {bruno, "Dentista particular", {}, "N"});
        tasks::TaskStore(db, ana).insert({kToday, kToday, "Pagar o dentista"});
        tasks::TaskStore(db, bruno).insert({kToday, kToday, "dentista do Bruno"});
        const char* note = "Insert into Notas (Usuario, Notas) values (?, ?)";
        db.executeSql(note, {ana, "comprar pão\nligar pro DENTISTA amanhã"});
        db.executeSql(note, {bruno, "dentista bruno"});
        const QDate november(2026, 11, 5);
        finances::LedgerStore(db, ana).insertEntry({november, "Dentista: consulta", false, 150});
        finances::LedgerStore(db, bruno).insertEntry({november, "dentista do Bruno", false, 90});
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

// The text the box shows: a grid's current row, an editor's selection if any.
QString shownIn(const MainWindow& w, const char* box) {
    QWidget* widget = w.findChild<QWidget*>(box);
    if (auto* grid = qobject_cast<Grid*>(widget)) {
        return grid->text(grid->currentIndex().row() + 1, 3).trimmed();
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        const QString selected = edit->textCursor().selectedText();
        return selected.isEmpty() ? edit->toPlainText() : selected;
    }
    return qobject_cast<QLineEdit*>(widget)->text();
}

TEST_F(Search, EnterOpensEachFoundRowWhereItLives) {
    const struct {
        QString row, panel;
        const char* box;
        QString shown;
    } rows[] = {
        {"10/12/2026 15:00|Consulta DENTISTA", panel::Compromissos, "grdCompromissos",
         "Consulta DENTISTA"},
        {"|Dr. Dêntista Souza", panel::Enderecos, "txtDadosEndNome", "Dr. Dêntista Souza"},
        {"02/12/2026|Pagar o dentista", panel::Tarefas, "txtTarefaDescricao", "Pagar o dentista"},
        {"|ligar pro DENTISTA amanhã", panel::Notas, "txtNotas", "ligar pro DENTISTA amanhã"},
        {"11/2026|Dentista: consulta|Pago 150,00", panel::Financas, "txtFinancasDescricao",
         "Dentista: consulta"},
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
        EXPECT_EQ(shownIn(window, r.box), r.shown);
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
