#pragma once

#include "session/AppContext.h"
#include "tasks/TaskList.h"

namespace orv::tasks {

inline const QString kEndBeforeStart =
    QStringLiteral("Data Final não pode ser menor que Data Início!");
inline const QString kNoTaskDescription = QStringLiteral("Informe a Descrição da Tarefa!");
inline const QString kConfirmTaskDelete = QStringLiteral("Você Confirma Exclusão da Tarefa?");

// The tasks panel's working values for the session.
struct TaskState {
    qint64 selectedTask = 0; // task in the detail frame; 0 for a new one
    void reset() { *this = TaskState(); }
};

// What the detail frame shows and hands back to be saved.
struct TaskForm {
    QDate start;
    QDate end;
    int priority = Normal;
    QString description;
    bool done = false;
    bool doneEnabled = false; // a task is marked done only once it exists
    bool canDelete = false;   // cmdTarefaExcluir shown
};

// The box a refused save points at.
enum class TaskField { None, Dates, Description };

// The user's task list: loading it, and one task at a time in the detail frame.
class Tasks {
public:
    Tasks(AppContext& ctx, TaskState& state) : ctx_(ctx), state_(state) {}

    // All tasks, for a grid of that height in twips.
    TaskListView load(int gridHeight) const;

    // A new task: today to today, Normal, not done and not yet markable as done.
    TaskForm newTask();
    // The task of a row of the list.
    TaskForm open(const TaskRow& row);

    // Checks the dates (equal dates accepted) and the description, then inserts
    // or updates with the description trimmed. TaskField::None when saved.
    TaskField save(const TaskForm& form);

    // Asks first; false when the user cancels.
    bool removeOpen();

private:
    TaskStore store() const { return TaskStore(ctx_.db, ctx_.session.userCode); }

    AppContext& ctx_;
    TaskState& state_;
};

} // namespace orv::tasks
