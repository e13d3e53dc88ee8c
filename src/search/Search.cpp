#include "search/Search.h"

#include "appointments/AppointmentStore.h"
#include "db/RowCursor.h"
#include "db/TextFolding.h"
#include "mainwindow/Panels.h"
#include "session/Users.h"

#include <QHash>
#include <QStringMatcher>

#include <algorithm>
#include <functional>

namespace orv::search {
namespace {

// Ends each folded text in the index; typed words never hold it.
constexpr QChar kEnd = QChar(0);

// One kind's rows: the user's own, then (when shown) others' shared ones,
// each with its folded text (Dobrado) to match against. Every kind gives the
// same columns, in the order of Column.
struct KindQuery {
    QString table;
    QString columns; // Data, Hora, Texto, Recebido, Pago
    QString match;   // the column searched
    QString rows;    // a condition on every row, after "Usuario ..."
    QString shared;  // the condition on others' rows that the panel shows; empty: own only
    int order;       // how the kind's rows are listed (Order)
};
// Rows are put in order in memory: sorting a large result in the store costs
// more than reading it.
enum Order { NewestFirst, ByText, ByDay, ByKey };
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
        sql += QStringLiteral(" Union All ") + head.arg(ownerLoginColumn(QStringLiteral("t"))) +
               QStringLiteral("Usuario <> ? and ") + k.shared + k.rows;
        params << scope.user;
    }
    db.forEachRow(sql, params, visit);
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
         NewestFirst},
        {QStringLiteral("Enderecos"),
         QStringLiteral("Null as Data,Null as Hora,Nome as Texto,Null as Recebido,Null as Pago"),
         kContactText, QString(), QStringLiteral("Compartilhado = 'S'"), ByText},
        {QStringLiteral("Tarefas"),
         QStringLiteral(
             "DataFim as Data,Null as Hora,Descricao as Texto,Null as Recebido,Null as Pago"),
         QStringLiteral("Descricao"), QString(), QString(), ByDay},
        {QStringLiteral("Notas"),
         QStringLiteral("Null as Data,Null as Hora,Notas as Texto,Null as Recebido,Null as Pago"),
         QStringLiteral("Notas"), QString(), QString(), ByKey},
        {QStringLiteral("Financas"),
         QStringLiteral("Data,Null as Hora,Descricao as Texto,Recebido,Pago"),
         QStringLiteral("Descricao"), QString(), QString(), NewestFirst},
    };
    SearchIndex index;
    QString readFolded; // one kind's folded texts as read, before they are put in order
    QHash<QString, int> owners;
    try {
        for (int k = 0; k < int(std::size(kinds)); ++k) {
            const auto first = qsizetype(index.entries_.size());
            readFolded.clear();
            run(db, scope, kinds[k], [&](const RowCursor& row) {
                if (stop != nullptr && *stop) {
                    throw Stopped();
                }
                Entry e;
                e.kind = static_cast<Kind>(k);
                e.key = row.integer(colKey);
                if (!row.isNull(colDay)) {
                    e.day = parseStoredDate(row.text(colDay));
                }
                if (!row.isNull(colTime)) {
                    e.time = parseStoredTime(row.text(colTime));
                }
                e.folded = readFolded.size();
                readFolded += row.text(colFolded);
                e.foldedLength = int(readFolded.size() - e.folded);
                e.text = index.texts_.size();
                index.texts_ += row.text(colText);
                e.textLength = int(index.texts_.size() - e.text);
                if (!row.utf8(colOwner).isEmpty()) {
                    const QString login = row.text(colOwner);
                    e.owner = owners.value(login, int(index.owners_.size()));
                    if (e.owner == index.owners_.size()) {
                        owners.insert(login, e.owner);
                        index.owners_ << login;
                    }
                }
                e.paid = row.number(colPaid) != 0;
                e.amount = row.number(e.paid ? colPaid : colReceived);
                index.entries_.push_back(e);
            });
            const QStringView folded(readFolded);
            const QStringView texts(index.texts_);
            const auto before = [&, order = kinds[k].order](const Entry& a, const Entry& b) {
                switch (order) {
                case NewestFirst:
                    if (a.day != b.day) {
                        return a.day > b.day;
                    }
                    if (a.time != b.time) {
                        return a.time < b.time;
                    }
                    break;
                case ByText:
                    if (const int c = folded.mid(a.folded, a.foldedLength)
                                          .compare(folded.mid(b.folded, b.foldedLength));
                        c != 0) {
                        return c < 0;
                    }
                    if (const int c = texts.mid(a.text, a.textLength)
                                          .compare(texts.mid(b.text, b.textLength));
                        c != 0) {
                        return c < 0;
                    }
                    break;
                case ByDay:
                    if (a.day != b.day) {
                        return a.day < b.day;
                    }
                    break;
                }
                return a.key < b.key;
            };
            const auto begin = index.entries_.begin() + first;
            std::sort(begin, index.entries_.end(), before);
            for (auto it = begin; it != index.entries_.end(); ++it) {
                index.at_ << index.folded_.size();
                index.folded_ += folded.mid(it->folded, it->foldedLength);
                index.folded_ += kEnd;
            }
        }
    } catch (const Stopped&) {
        // An incomplete index, never shown.
    }
    return index;
}

Hit SearchIndex::hitAt(qsizetype i) const {
    const Entry& e = entries_[size_t(i)];
    Hit h;
    h.kind = e.kind;
    h.key = e.key;
    h.day = e.day;
    h.time = e.time.toString(QStringLiteral("HH:mm"));
    h.text = texts_.mid(e.text, e.textLength);
    h.owner = e.owner < 0 ? QString() : owners_[e.owner];
    h.amount = e.amount;
    h.paid = e.paid;
    return h;
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
        const Kind kind = entries_[size_t(i)].kind;
        if (!hits.isEmpty() && hits.back().kind != kind) {
            ofKind = 0;
        }
        if (++ofKind > perKind) {
            // Enough of this kind: on from the first row of the next.
            const auto next = std::find_if(entries_.begin() + i, entries_.end(),
                                           [kind](const Entry& o) { return o.kind != kind; });
            from = next == entries_.end() ? folded_.size() : at_[next - entries_.begin()];
            continue;
        }
        hits << hitAt(i);
        if (kind == Kind::Note) {
            hits.back().text = matchedLine(hits.back().text, words);
        }
        from = i + 1 < at_.size() ? at_[i + 1] : folded_.size();
    }
    return hits;
}

QVector<Hit> findEverywhere(const Db& db, const Scope& scope, const QString& typed, int perKind) {
    return SearchIndex::read(db, scope).find(typed, perKind);
}

} // namespace orv::search
