#pragma once

#include "db/Db.h"

#include <QDate>
#include <QString>

namespace orv::tasks {

// Priority codes of Tarefas.Prioridade; the list sorts on them, Alta first.
enum Priority : int { High = 0, Normal = 1, Low = 2 };

// One row of Tarefas as the program writes it.
struct Task {
    QDate start;
    QDate end;
    QString description;
    bool done = false; // Status "1", else "0"
    int priority = Normal;
};

// The task list's statements, for one user.
class TaskStore {
public:
    TaskStore(const Db& db, qint64 user) : db_(db), user_(user) {}

    // All the user's tasks, done or not, by end date and then priority.
    RowSet all() const;
    qint64 insert(const Task& task) const;
    void update(qint64 key, const Task& task) const;
    void remove(qint64 key) const;

private:
    const Db& db_;
    qint64 user_;
};

} // namespace orv::tasks
