#include "support/PanelTest.h"

#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"
#include "tasks/ui/TasksPanel.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QRadioButton>

using namespace orv;
using namespace orv::tasks;

namespace {

struct TasksPanelTest : test::PanelTest<TasksPanel> {
    void SetUp() override { openOn(panel::Tarefas, QDateTime(QDate(2026, 5, 20), QTime(9, 0))); }
    bool detailOpen() const { return p->frmTarefasDados->isVisibleTo(p); }
    void pick(QPushButton* calendarButton, const QDate& day) {
        calendarButton->click();
        ASSERT_TRUE(p->calTarefas->isVisibleTo(p));
        Q_EMIT p->calTarefas->clicked(day);
        EXPECT_FALSE(p->calTarefas->isVisibleTo(p));
    }
    qint64 add(const QDate& end, const QString& text, int priority) {
        return TaskStore(app.ctx.db, ana).insert({end, end, text, false, priority});
    }
};

TEST_F(TasksPanelTest, NewTaskTypedSavedEditedDoneAndDeleted) {
    Grid& g = *p->grdTarefas;
    EXPECT_EQ(g.rows(), 1);
    EXPECT_TRUE(p->txtTarefasSemCadastro->isVisibleTo(p));

    p->cmdTarefaNova->click();
    ASSERT_TRUE(detailOpen());
    EXPECT_TRUE(window.imgImpressora->isHidden());
    EXPECT_EQ(p->txtTarefaDataInicio->text(), "20/05/2026");
    EXPECT_EQ(p->txtTarefaDataFim->text(), "20/05/2026");
    EXPECT_TRUE(p->optTarefaNormal->isChecked());
    EXPECT_FALSE(p->chkTarefaExecutado->isEnabled());
    EXPECT_FALSE(p->chkTarefaExecutado->isChecked());
    EXPECT_TRUE(p->cmdTarefaExcluir->isHidden());

    // End before start is refused; so is an empty description.
    pick(p->cmdCalTarefaFim, QDate(2026, 5, 19));
    EXPECT_EQ(p->txtTarefaDataFim->text(), "19/05/2026");
    QTest::keyClicks(p->txtTarefaDescricao, "  Levar o carro");
    p->cmdTarefaSalvar->click();
    EXPECT_EQ(app.messages.last(), kEndBeforeStart);
    EXPECT_TRUE(detailOpen());
    pick(p->cmdCalTarefaFim, QDate(2026, 5, 22));
    pick(p->cmdCalTarefaInicio, QDate(2026, 5, 21));
    EXPECT_EQ(p->txtTarefaDataInicio->text(), "21/05/2026");
    QTest::keyClick(p->txtTarefaDescricao, Qt::Key_Return);
    QTest::keyClicks(p->txtTarefaDescricao, "a revisao'  ");
    p->optTarefaAlta->click();
    p->cmdTarefaSalvar->click();
    EXPECT_FALSE(detailOpen());
    EXPECT_FALSE(window.imgImpressora->isHidden());

    ASSERT_EQ(g.rows(), 2);
    // The key filter drops the quote.
    EXPECT_EQ(test::gridRow(g, 1, {2, 3, 4, 5}),
              "21/05/2026|Alta|Levar o carro\na revisao|22/05/2026");
    EXPECT_EQ(g.background(1, 3), QColor(255, 255, 192));
    EXPECT_FALSE(g.hasPicture(1, 1));
    EXPECT_FALSE(p->txtTarefasSemCadastro->isVisibleTo(p));

    // Edited: marked done and Baixa.
    g.clickRow(1);
    ASSERT_TRUE(detailOpen());
    EXPECT_TRUE(p->chkTarefaExecutado->isEnabled());
    EXPECT_FALSE(p->cmdTarefaExcluir->isHidden());
    EXPECT_TRUE(p->optTarefaAlta->isChecked());
    p->chkTarefaExecutado->click();
    p->optTarefaBaixa->click();
    p->cmdTarefaSalvar->click();
    EXPECT_EQ(g.pictureName(1, 1), "imgExecutado");
    EXPECT_EQ(g.text(1, 3), "Baixa");
    EXPECT_EQ(g.background(1, 4), QColor(255, 255, 255));
    EXPECT_EQ(app.count("Tarefas"), 1);

    // Back writes nothing; delete asks first.
    g.clickRow(1);
    p->txtTarefaDescricao->setPlainText("Outra coisa");
    p->cmdTarefaVoltar->click();
    EXPECT_FALSE(detailOpen());
    EXPECT_EQ(g.text(1, 4), "Levar o carro\na revisao");
    g.clickRow(1);
    p->cmdTarefaExcluir->click();
    EXPECT_EQ(app.messages.last(), kConfirmTaskDelete);
    EXPECT_TRUE(detailOpen());
    app.messages.answer(true);
    p->cmdTarefaExcluir->click();
    EXPECT_FALSE(detailOpen());
    EXPECT_EQ(g.rows(), 1);
    EXPECT_EQ(app.count("Tarefas"), 0);
}

// By end date, then priority; only the user's own tasks.
TEST_F(TasksPanelTest, ListOrderTallRowsAndTheNarrowedDescriptionColumn) {
    const QDate day(2026, 6, 1);
    add(day, "Baixa", Low);
    add(day, "Alta", High);
    add(day, "Normal\ncom\ntrês linhas", Normal);
    add(day.addDays(-1), "Antes", Low);
    add(day.addDays(1), "Depois", High);
    TaskStore(app.ctx.db, app.addUser("BETO")).insert({day, day, "Do Beto", false, High});
    open();
    Grid& g = *p->grdTarefas;
    ASSERT_EQ(g.rows(), 6);
    EXPECT_EQ(test::gridColumn(g, 4),
              QStringList({"Antes", "Alta", "Normal\ncom\ntrês linhas", "Baixa", "Depois"}));
    EXPECT_EQ(g.background(3, 1), QColor(255, 192, 255));

    // Enough rows to overflow the panel's grid: the description column gives way
    // (row heights and widths themselves are the task list's, checked in TaskLogic).
    for (int i = 0; i < 16; ++i) {
        add(day.addDays(i + 1), QStringLiteral("Tarefa %1").arg(i), Normal);
    }
    open();
    EXPECT_EQ(g.rows(), 22);
    EXPECT_EQ(g.columnWidthTwips(4), kTaskWidthScrolled);
}

} // namespace
