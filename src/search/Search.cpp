#include "search/Search.h"

#include "appointments/AppointmentStore.h"
#include "db/TextFolding.h"
#include "mainwindow/Panels.h"

namespace orv::search {
namespace {

const QString kOwner =
    QStringLiteral("(Select Login from Usuarios Where Usuarios.Codigo = t.Usuario)");

// One kind's query: its own rows, then (when shown) others' shared ones; the
// match is folded(column) holding the folded words, bound, never pasted.
struct KindQuery {
    QString table;
    QString columns; // besides Chave and the owner
    QString match;   // the matched column
    QString rows;    // a condition on every row, with its " and "
    QString shared;  // the condition on others' rows that the panel shows; empty: own only
    QString order;
};

RowSet run(const Db& db, const Scope& scope, const KindQuery& k, const QString& words,
           int perKind) {
    const QString head = QStringLiteral("Select Chave,%1,%2 as Dono from %3 t Where ")
                             .arg(k.columns, QStringLiteral("%1"), k.table);
    const QString found = k.rows + QStringLiteral(" and instr(folded(%1), ?) > 0").arg(k.match);
    QString sql = head.arg(QStringLiteral("''")) + QStringLiteral("Usuario = ?") + found;
    Params params{scope.user, words};
    if (scope.showShared && !k.shared.isEmpty()) {
        sql += QStringLiteral(" Union All ") + head.arg(kOwner) +
               QStringLiteral("Usuario <> ? and ") + k.shared + found;
        params << scope.user << words;
    }
    sql += QStringLiteral(" Order By %1 Limit ?").arg(k.order);
    params << perKind;
    return db.runQuery(sql, params);
}

// The line of a note that holds the words.
QString matchedLine(const QString& note, const QString& words) {
    for (const QString& line : note.split(QLatin1Char('\n'))) {
        if (foldedText(line).contains(words)) {
            return line.trimmed();
        }
    }
    return note.left(80);
}

} // namespace

QString panelOf(Kind kind) {
    switch (kind) {
    case Kind::Appointment:
        return panel::Compromissos;
    case Kind::Contact:
        return panel::Enderecos;
    case Kind::Task:
        return panel::Tarefas;
    case Kind::Note:
        return panel::Notas;
    case Kind::Ledger:
        return panel::Financas;
    }
    return {};
}

QVector<Hit> findEverywhere(const Db& db, const Scope& scope, const QString& typed, int perKind) {
    const QString words = foldedText(typed.simplified());
    QVector<Hit> hits;
    if (words.isEmpty()) {
        return hits;
    }
    using appointments::kDone;
    // Others' shared appointments as the day grid shows them: the timed ones
    // only while not done. An appointment past midnight is found on its first
    // day, not again on each continuation row.
    const KindQuery kinds[] = {
        {QStringLiteral("Compromissos"), QStringLiteral("Data,Hora,Compromisso as Texto"),
         QStringLiteral("Compromisso"), QStringLiteral(" and ChavePai = 0"),
         QStringLiteral("Compartilhado = 'S' and (Hora Is Null or Status <> '%1')").arg(kDone),
         QStringLiteral("Data Desc,Hora")},
        {QStringLiteral("Enderecos"),
         QStringLiteral("Null as Data,Null as Hora,Nome as Texto,folded(Nome) as Ordem"),
         QStringLiteral("Nome"), QString(), QStringLiteral("Compartilhado = 'S'"),
         QStringLiteral("Ordem")},
        {QStringLiteral("Tarefas"),
         QStringLiteral("DataFim as Data,Null as Hora,Descricao as Texto"),
         QStringLiteral("Descricao"), QString(), QString(), QStringLiteral("Data,Chave")},
        {QStringLiteral("Notas"), QStringLiteral("Null as Data,Null as Hora,Notas as Texto"),
         QStringLiteral("Notas"), QString(), QString(), QStringLiteral("Chave")},
        {QStringLiteral("Financas"),
         QStringLiteral("Data,Null as Hora,Descricao as Texto,Recebido,Pago"),
         QStringLiteral("Descricao"), QString(), QString(), QStringLiteral("Data Desc,Chave")},
    };
    for (int k = 0; k < int(std::size(kinds)); ++k) {
        const auto kind = static_cast<Kind>(k);
        for (RowSet rs = run(db, scope, kinds[k], words, perKind); !rs.eof(); rs.moveNext()) {
            Hit h;
            h.kind = kind;
            h.key = rs.integer(QStringLiteral("Chave"));
            h.day = rs.date(QStringLiteral("Data"));
            h.time = rs.time(QStringLiteral("Hora")).toString(QStringLiteral("HH:mm"));
            h.text = rs.text(QStringLiteral("Texto"));
            h.owner = rs.text(QStringLiteral("Dono"));
            if (kind == Kind::Note) {
                h.text = matchedLine(h.text, words);
            } else if (kind == Kind::Ledger) {
                h.paid = rs.number(QStringLiteral("Pago")) != 0;
                h.amount = rs.number(h.paid ? QStringLiteral("Pago") : QStringLiteral("Recebido"));
            }
            hits << h;
        }
    }
    return hits;
}

} // namespace orv::search
