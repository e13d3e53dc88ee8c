#include "tasks/TaskList.h"

namespace orv::tasks {
namespace {

TaskRow taskRow(const RowSet& rs) {
    TaskRow row;
    row.key = rs.integer(QStringLiteral("Chave"));
    row.done = rs.text(QStringLiteral("Status")).trimmed().toInt() == 1;
    row.start = rs.date(QStringLiteral("Data"));
    row.startText = shownDate(row.start);
    row.priority = static_cast<int>(rs.integer(QStringLiteral("Prioridade")));
    row.priorityText = priorityText(row.priority);
    row.description = rs.text(QStringLiteral("Descricao"));
    row.end = rs.date(QStringLiteral("DataFim"));
    row.endText = shownDate(row.end);
    row.height = lineCount(row.description) * kLineHeight;
    row.background = priorityColour(row.priority);
    return row;
}

} // namespace

QString priorityText(int priority) {
    switch (priority) {
    case High:
        return QStringLiteral("Alta");
    case Normal:
        return QStringLiteral("Normal");
    case Low:
        return QStringLiteral("Baixa");
    default:
        return QString();
    }
}

Rgb priorityColour(int priority) {
    switch (priority) {
    case High:
        return {255, 255, 192};
    case Normal:
        return {255, 192, 255};
    default:
        return kWhite;
    }
}

int lineCount(const QString& description) {
    int lines = 1;
    for (qsizetype i = 0; i < description.size(); ++i) {
        const QChar c = description.at(i);
        if (c == u'\n' || c == u'\r') {
            ++lines;
            // A CR LF pair ends one line.
            if (c == u'\r' && i + 1 < description.size() && description.at(i + 1) == u'\n') {
                ++i;
            }
        }
    }
    return lines;
}

QVector<GridColumn> taskColumns(int gridHeight, int totalHeight) {
    const int task = gridHeight - kGridBorder < totalHeight ? kTaskWidthScrolled : kTaskWidth;
    const Qt::Alignment centre = Qt::AlignHCenter;
    return {{QString(), 0, centre, centre},
            {QStringLiteral("  "), 250, centre, centre},
            {QStringLiteral("Início"), 1050, centre, centre},
            {QStringLiteral("Prior"), 700, centre, centre},
            {QStringLiteral("  Tarefa"), task, Qt::AlignLeft, Qt::AlignLeft},
            {QStringLiteral("Final"), 1050, centre, centre}};
}

TaskListView buildTaskList(RowSet tasks, int gridHeight) {
    TaskListView view;
    for (; !tasks.eof(); tasks.moveNext()) {
        TaskRow row = taskRow(tasks);
        view.totalHeight += row.height;
        view.rows.push_back(std::move(row));
    }
    view.columns = taskColumns(gridHeight, view.totalHeight);
    return view;
}

} // namespace orv::tasks
