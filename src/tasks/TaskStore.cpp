#include "tasks/TaskStore.h"

namespace orv::tasks {
namespace {

QString status(bool done) {
    return done ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

RowSet TaskStore::all() const {
    return db_.runQuery(
        QStringLiteral(
            "Select * from Tarefas Where Usuario = ? Order By DataFim, Prioridade, Chave"),
        {user_});
}

qint64 TaskStore::insert(const Task& task) const {
    return db_.insertSql(
        QStringLiteral("Insert into Tarefas(Usuario,Data,DataFim,Descricao,Status,"
                       "Prioridade) values (?,?,?,?,?,?)"),
        {user_, task.start, task.end, task.description, status(task.done), task.priority});
}

void TaskStore::update(qint64 key, const Task& task) const {
    db_.executeSql(
        QStringLiteral("Update Tarefas set Data = ?, DataFim = ?, Descricao = ?, "
                       "Status = ?, Prioridade = ? Where Usuario = ? and Chave = ?"),
        {task.start, task.end, task.description, status(task.done), task.priority, user_, key});
}

void TaskStore::remove(qint64 key) const {
    db_.executeSql(QStringLiteral("Delete from Tarefas Where Usuario = ? and Chave = ?"),
                   {user_, key});
}

} // namespace orv::tasks
