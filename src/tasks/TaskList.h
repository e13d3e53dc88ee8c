#pragma once

#include "db/RowSet.h"
#include "mainwindow/GridColumns.h"
#include "tasks/TaskStore.h"

#include <QVector>

namespace orv::tasks {

inline const QString kNoTasks = QStringLiteral("Sem Tarefas Cadastradas");
inline constexpr int kLineHeight = 285;         // twips per line of a description
inline constexpr int kGridBorder = 125;         // twips of the grid that rows cannot use
inline constexpr int kTaskWidth = 2541;         // description column
inline constexpr int kTaskWidthScrolled = 2280; // ... once the vertical scroll bar shows

// "Alta", "Normal", "Baixa"; no text for an unknown code.
QString priorityText(int priority);
// Row background of a priority: Alta light yellow, Normal light pink, Baixa white.
Rgb priorityColour(int priority);
// Lines of a description: a carriage return (as stored by older data), a line
// feed (as a text box gives it) and the pair CR LF each end one line.
int lineCount(const QString& description);

// One row of grdTarefas, with the stored values beside the texts shown.
struct TaskRow {
    qint64 key = 0;    // column 0, hidden
    bool done = false; // column 1: the done picture
    QDate start;       //
    QString startText; // column 2: "DD/MM/YYYY"
    int priority = Normal;
    QString priorityText;     // column 3
    QString description;      // column 4
    QDate end;                //
    QString endText;          // column 5: "DD/MM/YYYY"
    int height = kLineHeight; // twips: lines of the description x 285
    Rgb background = kWhite;  // of columns 1 to 5
};

struct TaskListView {
    QVector<TaskRow> rows;
    int totalHeight = 0;         // twips of all data rows
    QVector<GridColumn> columns; // grdTarefas, the description column fitted to the rows

    bool noTasks() const { return rows.isEmpty(); } // "Sem Tarefas Cadastradas" shown
};

// The grid's columns; the description column narrows when the rows are
// taller than the grid (gridHeight in twips) can show.
QVector<GridColumn> taskColumns(int gridHeight, int totalHeight);

// Builds the list from a Tarefas query for a grid of that height (twips).
TaskListView buildTaskList(RowSet tasks, int gridHeight);

} // namespace orv::tasks
