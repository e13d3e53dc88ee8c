#include "search/Search.h"

#include "appointments/AppointmentStore.h"
#include "db/RowCursor.h"
#include "db/TextFolding.h"
#include "mainwindow/Panels.h"

#include <QStringMatcher>

#include <algorithm>
#include <functional>

namespace orv::search {
namespace {

// Ends each folded text in the index; typed words never hold it.
constexpr QChar kEnd = QChar(0);

const QString kOwner =
    QStringLiteral("(Select Login from Usuarios Where Usuarios.Codigo = t.Usuario)");

// One kind's rows: the user's own, then (when shown) others' shared ones,
// each with its folded text (Dobrado) to match against. Every kind gives the
// same columns, in the order of Column.
struct KindQuery {
    QString table;
    QString columns; // Data, Hora, Texto, Recebido, Pago
    QString match;   // the column searched
    QString rows;    // a condition on every row, after "Usuario ..."
    QString shared;  // the condition on others' rows that the panel shows; empty: own only
    QString order;
};
enum Column { colKey, colDay, colTime, colText, colReceived, colPaid, colFolded, colOwner };

// A contact is found by its name, company, e-mail, city or any phone; the
// name comes first, so that the book's order is the order of the name.
const QString kContactText = QStringLiteral(
    "ifnull(Nome,'')||char(10)||ifnull(Empresa,'')||char(10)||ifnull(Email,'')||char(10)||"
    "ifnull(Cidade,'')||char(10)||ifnull(FoneRes,'')||char(10)||ifnull(FoneCel,'')||char(10)||"
    "ifnull(FoneCom,'')");

// Reading was asked to stop.
struct Stopped {};

void run(const Db& db, const Scope& scope, const KindQuery& k,
         const std::function<void(const RowCursor&)>& visit) {
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
    db.forEachRow(sql + QStringLiteral(" Order By ") + k.order, params, visit);
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

SearchIndex SearchIndex::read(const Db& db, const Scope& scope, const std::atomic_bool* stop) {
    using appointments::kDone;
    // Others' shared appointments as the day grid shows them: the timed ones
    // only while not done. An appointment past midnight is found on its first
    // day, not again on each continuation row.
    const KindQuery kinds[] = {
        {QStringLiteral("Compromissos"),
         QStringLiteral("Data,Hora,Compromisso as Texto,Null as Recebido,Null as Pago"),
         QStringLiteral("Compromisso"), QStringLiteral(" and ChavePai = 0"),
         QStringLiteral("Compartilhado = 'S' and (Hora Is Null or Status <> '%1')").arg(kDone),
         QStringLiteral("Data Desc,Hora")},
        {QStringLiteral("Enderecos"),
         QStringLiteral("Null as Data,Null as Hora,Nome as Texto,Null as Recebido,Null as Pago"),
         kContactText, QString(), QStringLiteral("Compartilhado = 'S'"),
         QStringLiteral("Dobrado,Texto")},
        {QStringLiteral("Tarefas"),
         QStringLiteral(
             "DataFim as Data,Null as Hora,Descricao as Texto,Null as Recebido,Null as Pago"),
         QStringLiteral("Descricao"), QString(), QString(), QStringLiteral("Data,Chave")},
        {QStringLiteral("Notas"),
         QStringLiteral("Null as Data,Null as Hora,Notas as Texto,Null as Recebido,Null as Pago"),
         QStringLiteral("Notas"), QString(), QString(), QStringLiteral("Chave")},
        {QStringLiteral("Financas"),
         QStringLiteral("Data,Null as Hora,Descricao as Texto,Recebido,Pago"),
         QStringLiteral("Descricao"), QString(), QString(), QStringLiteral("Data Desc,Chave")},
    };
    SearchIndex index;
    try {
        for (int k = 0; k < int(std::size(kinds)); ++k) {
            const auto kind = static_cast<Kind>(k);
            run(db, scope, kinds[k], [&](const RowCursor& row) {
                if (stop != nullptr && *stop) {
                    throw Stopped();
                }
                index.at_ << index.folded_.size();
                index.folded_ += row.text(colFolded);
                index.folded_ += kEnd;
                Hit h;
                h.kind = kind;
                h.key = row.integer(colKey);
                if (!row.isNull(colDay)) {
                    h.day = parseStoredDate(row.text(colDay));
                }
                if (!row.isNull(colTime)) {
                    h.time = parseStoredTime(row.text(colTime)).toString(QStringLiteral("HH:mm"));
                }
                h.text = row.text(colText);
                h.owner = row.text(colOwner);
                h.paid = row.number(colPaid) != 0;
                h.amount = row.number(h.paid ? colPaid : colReceived);
                index.hits_ << h;
            });
        }
    } catch (const Stopped&) {
        // An incomplete index, never shown.
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
