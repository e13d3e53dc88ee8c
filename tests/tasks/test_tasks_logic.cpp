#include "support/TestSupport.h"

#include "tasks/Notes.h"
#include "tasks/Tasks.h"

using namespace orv;
using namespace orv::tasks;

namespace {

struct TaskLogic : ::testing::Test {
    test::TestApp app;
    qint64 ana = 0;
    TaskState state;
    Tasks tasks{app.ctx, state};

    void SetUp() override {
        ana = app.addUser("ANA");
        app.logOn(ana);
        app.clock.set(QDateTime(QDate(2026, 5, 20), QTime(9, 0)));
    }
    void add(const QDate& end, const QString& text, int priority) {
        TaskStore(app.ctx.db, ana).insert({end.addDays(-3), end, text, false, priority});
    }
    RowSet row(qint64 key) {
        return app.ctx.db.runQuery("Select * from Tarefas Where Chave = ?", {key});
    }
};

TEST_F(TaskLogic, RowHeightsFollowTheLinesAndTheDescriptionNarrowsOnOverflow) {
    EXPECT_EQ(lineCount("uma"), 1);
    EXPECT_EQ(lineCount("uma\ndois\ntrês"), 3);
    EXPECT_EQ(lineCount("uma\r\ndois\rtrês"), 3);
    EXPECT_EQ(lineCount(""), 1);
    EXPECT_EQ(priorityText(7), "") << "an unknown priority: no text, a white row";
    EXPECT_EQ(priorityColour(7), kWhite);

    EXPECT_TRUE(tasks.load(3000).noTasks());

    add(QDate(2026, 6, 1), "uma\ndois\ntrês", Normal);
    TaskListView view = tasks.load(3000);
    EXPECT_EQ(view.rows[0].height, 855);
    EXPECT_EQ(view.totalHeight, 855);

    // 855 + 6 x 285 = 2565 still fits 3000 - 125; one more line does not.
    for (int i = 0; i < 6; ++i) {
        add(QDate(2026, 6, 2), "linha", Normal);
    }
    EXPECT_EQ(tasks.load(3000).columns[4].width, kTaskWidth);
    add(QDate(2026, 6, 3), "a\nb", Normal);
    view = tasks.load(3000);
    EXPECT_EQ(view.totalHeight, 3135);
    EXPECT_EQ(view.columns[4].width, kTaskWidthScrolled);
    EXPECT_EQ(tasks.load(3260).columns[4].width, kTaskWidth);
}

TEST_F(TaskLogic, NewTaskSaveChecksDatesAndDescriptionAndTrims) {
    // The proposed form is checked on screen by TasksPanelTest.
    TaskForm form = tasks.newTask();
    form.description = "   ";
    EXPECT_EQ(tasks.save(form), TaskField::Description);
    EXPECT_EQ(app.messages.last(), kNoTaskDescription);
    EXPECT_EQ(app.messages.shown().back().icon, msg::Information);

    form.description = "  Pagar contas\nno banco  ";
    form.end = form.start.addDays(-1);
    EXPECT_EQ(tasks.save(form), TaskField::Dates);
    EXPECT_EQ(app.messages.last(), kEndBeforeStart);
    EXPECT_EQ(app.messages.shown().back().icon, msg::Serious);
    EXPECT_EQ(app.count("Tarefas"), 0);

    form.end = form.start; // equal dates are fine
    EXPECT_EQ(tasks.save(form), TaskField::None);
    TaskListView view = tasks.load(5000);
    ASSERT_EQ(view.rows.size(), 1);
    EXPECT_EQ(view.rows[0].description, "Pagar contas\nno banco");
    EXPECT_EQ(test::fields(row(view.rows[0].key), "Status Prioridade"),
              "0|" + QString::number(Normal));

    // Edited: done, high priority, later end, trimmed again.
    form = tasks.open(view.rows[0]);
    form.done = true;
    form.priority = High;
    form.end = QDate(2026, 7, 1);
    form.description = "\t Pagar 'contas' \n";
    EXPECT_EQ(tasks.save(form), TaskField::None);
    EXPECT_EQ(test::fields(row(view.rows[0].key), "Descricao Status Prioridade DataFim"),
              QStringLiteral("Pagar 'contas'|1|%1|2026-07-01").arg(High));
    EXPECT_EQ(app.count("Tarefas"), 1);
}

struct NotesLogic : TaskLogic {
    NotesState notesState;
    Notes notes{app.ctx, notesState};

    RowSet stored() {
        return app.ctx.db.runQuery("Select * from Notas Where Usuario = ?",
                                   {app.ctx.session.userCode});
    }
};

TEST_F(NotesLogic, OneRowPerUserMadeByTheFirstSaveAndTextNeverDropped) {
    EXPECT_EQ(notes.load(), "");
    notes.save("  \n\t "); // nothing to keep and no row to clear
    EXPECT_EQ(app.count("Notas"), 0);

    notes.save("  Comprar pão\nLigar p/ D'Ávila  \n");
    EXPECT_EQ(stored().text("Notas"), "Comprar pão\nLigar p/ D'Ávila");
    notes.save("Segunda versão");
    EXPECT_EQ(app.count("Notas"), 1);
    EXPECT_EQ(notes.load(), "Segunda versão");

    // Blanks and line breaks only store NULL; the row stays.
    notes.save(" \n \r\n ");
    EXPECT_EQ(stored().recordCount(), 1);
    EXPECT_TRUE(stored().isNull("Notas"));
    EXPECT_EQ(notes.load(), "");
    notes.save("De novo");
    EXPECT_EQ(app.count("Notas"), 1);
    // Clearing and another user's notes are driven through NotesPanelTest.

    // The row was removed behind the panel's back (the user deleted elsewhere):
    // the text is never dropped.
    app.ctx.db.executeSql("Delete from Notas");
    notes.save("Segunda");
    EXPECT_EQ(stored().text("Notas"), "Segunda");
    // A row made before the key was known is found and updated, not doubled.
    notesState.reset();
    notes.save("Terceira");
    EXPECT_EQ(app.count("Notas"), 1);
    EXPECT_EQ(notes.load(), "Terceira");
}

} // namespace
