#include "printing/ReportOwner.h"
#include "printing/ReportPage.h"
#include "printing/ReportText.h"
#include "printing/Reports.h"

namespace orv {

namespace {

const WrapStyle kTaskWrap{68, 4, QString(20, QLatin1Char(' ')) + QStringLiteral("| "), true};

// Seven characters, so that the bars stand one under the other.
QString priorityColumn(int priority) {
    switch (priority) {
    case 0:
        return QStringLiteral("  Alta ");
    case 1:
        return QStringLiteral(" Normal");
    case 2:
        return QStringLiteral("  Baixa");
    default:
        return QString(7, QLatin1Char(' '));
    }
}

} // namespace

QString taskRecord(const TaskEntry& entry) {
    const QString format = QStringLiteral("dd/MM/yyyy");
    return QStringLiteral("  ") + entry.start.toString(format) + priorityColumn(entry.priority) +
           QStringLiteral(" | ") + wrapped(entry.description, kTaskWrap) + QLatin1Char(' ') +
           entry.end.toString(format) + (entry.done ? QStringLiteral(" X") : QString());
}

Report tasksReport(const AppContext& ctx) {
    return {QStringLiteral("Tarefas"), [&ctx](ReportSink& sink) {
                ReportPage page(sink, QStringLiteral(" Tarefas da Agenda do ") + reportOwner(ctx),
                                ctx.clock);
                page.begin();
                RowSet rows =
                    ctx.db.runQuery(QStringLiteral("Select * from Tarefas Where Usuario "
                                                   "= ? Order By DataFim,Prioridade,Chave"),
                                    {ctx.session.userCode});
                for (; !rows.eof(); rows.moveNext()) {
                    TaskEntry entry;
                    entry.start = parseStoredDate(rows.text(QStringLiteral("Data")));
                    entry.end = parseStoredDate(rows.text(QStringLiteral("DataFim")));
                    entry.priority = static_cast<int>(rows.integer(QStringLiteral("Prioridade")));
                    entry.description = rows.text(QStringLiteral("Descricao"));
                    entry.done = rows.text(QStringLiteral("Status")).toInt() == 1;
                    page.printRecord(taskRecord(entry));
                }
                page.finish();
            }};
}

} // namespace orv
