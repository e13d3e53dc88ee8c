#include "search/Search.h"

#include "appointments/AppointmentStore.h"
#include "db/TextFolding.h"
#include "mainwindow/Panels.h"

#include <QStringMatcher>

#include <algorithm>

namespace orv::search {
namespace {

// Ends each folded text in the index; typed words never hold it.
constexpr QChar kEnd = QChar(0);

const QString kOwner =
    QStringLiteral("(Select Login from Usuarios Where Usuarios.Codigo = t.Usuario)");

// One kind's rows: the user's own, then (when shown) others' shared ones,
// each with its folded text (Dobrado) to match against.
struct KindQuery {
    QString table;
    QString columns; // besides Chave and the owner
    QString match;   // the column searched
    QString rows;    // a condition on every row, after "Usuario ..."
    QString shared;  // the condition on others' rows that the panel shows; empty: own only
    QString order;
};

RowSet run(const Db& db, const Scope& scope, const KindQuery& k) {
    const QString head = QStringLiteral("Select Chave,%1,folded(%2) as Dobrado,%3 as Dono from "
                                        "%4 t Where ")
                             .arg(k.columns, k.match, QStringLiteral("%1"), k.table);
    QString sql = head.arg(QStringLiteral("''")) + QStringLiteral("Usuario = ?") + k.rows;
    Params params{scope.user};
    if (scope.showShared && !k.shared.isEmpty()) {
        sql += QStringLiteral(" Union All ") + head.arg(kOwner) +
               QStringLiteral("Usuario <> ? and ") + k.shared + k.rows;
        params << scope.user;
    }
    return db.runQuery(sql + QStringLiteral(" Order By ") + k.order, params);
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

SearchIndex SearchIndex::read(const Db& db, const Scope& scope) {
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
    SearchIndex index;
    for (int k = 0; k < int(std::size(kinds)); ++k) {
        const auto kind = static_cast<Kind>(k);
        for (RowSet rs = run(db, scope, kinds[k]); !rs.eof(); rs.moveNext()) {
            index.at_ << index.folded_.size();
            index.folded_ += rs.text(QStringLiteral("Dobrado"));
            index.folded_ += kEnd;
            Hit h;
            h.kind = kind;
            h.key = rs.integer(QStringLiteral("Chave"));
            h.day = rs.date(QStringLiteral("Data"));
            h.time = rs.time(QStringLiteral("Hora")).toString(QStringLiteral("HH:mm"));
            h.text = rs.text(QStringLiteral("Texto"));
            h.owner = rs.text(QStringLiteral("Dono"));
            if (kind == Kind::Ledger) {
                h.paid = rs.number(QStringLiteral("Pago")) != 0;
                h.amount = rs.number(h.paid ? QStringLiteral("Pago") : QStringLiteral("Recebido"));
            }
            index.hits_ << h;
        }
    }
    return index;
}

QVector<Hit> SearchIndex::find(const QString& typed, int perKind) const {
    const QString words = foldedText(typed.simplified());
    QVector<Hit> hits;
    if (words.isEmpty()) {
        return hits;
    }
    const QStringMatcher matcher(words);
    int ofKind = 0;
    for (qsizetype from = matcher.indexIn(folded_, 0); from >= 0;
         from = matcher.indexIn(folded_, from)) {
        const auto i = std::upper_bound(at_.begin(), at_.end(), from) - at_.begin() - 1;
        const Hit& h = hits_[i];
        if (!hits.isEmpty() && hits.back().kind != h.kind) {
            ofKind = 0;
        }
        if (++ofKind > perKind) {
            // Enough of this kind: on from the first row of the next.
            const auto next = std::find_if(hits_.begin() + i, hits_.end(),
                                           [&h](const Hit& o) { return o.kind != h.kind; });
            from = next == hits_.end() ? folded_.size() : at_[next - hits_.begin()];
            continue;
        }
        hits << h;
        if (h.kind == Kind::Note) {
            hits.back().text = matchedLine(h.text, words);
        }
        from = i + 1 < at_.size() ? at_[i + 1] : folded_.size();
    }
    return hits;
}

QVector<Hit> findEverywhere(const Db& db, const Scope& scope, const QString& typed, int perKind) {
    return SearchIndex::read(db, scope).find(typed, perKind);
}

} // namespace orv::search
