#include "contacts/ContactGrid.h"

#include "contacts/ContactQuery.h"
#include "session/AppContext.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace orv::contacts {
namespace {

constexpr QChar kTab = QLatin1Char('\t');

// The fields of the row record, in order; the keys are whole numbers.
struct RecordColumn {
    const char* name;
    bool key;
};
constexpr std::array<RecordColumn, 13> kRecordColumns = {{{"Chave", true},
                                                          {"Compartilhado", false},
                                                          {"ChaveAniversario", true},
                                                          {"Endereco", false},
                                                          {"Cidade", false},
                                                          {"Estado", false},
                                                          {"Cep", false},
                                                          {"Email", false},
                                                          {"FoneRes", false},
                                                          {"FoneCel", false},
                                                          {"FoneCom", false},
                                                          {"Aniversario", false},
                                                          {"Observacao", false}}};

// A field inside the row record: a TAB of its own (pasted into the notes, say)
// is written as "\t" and a backslash as "\\", so that splitting the record
// gives every field back whole. The record is put together as UTF-8.
void appendField(std::string& record, QByteArrayView field) {
    const char* run = field.data();
    const char* const end = run + field.size();
    for (;;) {
        const char* stop = std::find_if(run, end, [](char c) { return c == '\t' || c == '\\'; });
        record.append(run, stop);
        if (stop == end) {
            break;
        }
        record += *stop == '\t' ? "\\t" : "\\\\";
        run = stop + 1;
    }
    record += '\t';
}

void appendKey(std::string& record, qint64 key) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, key);
    record.append(digits, end.ptr);
    record += '\t';
}

QString unescapeField(const QString& field) {
    if (!field.contains(QLatin1Char('\\'))) {
        return field;
    }
    QString text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\\') && i + 1 < field.size()) {
            ++i;
            text += field[i] == QLatin1Char('t') ? kTab : field[i];
        } else {
            text += field[i];
        }
    }
    return text;
}

// Column positions of the contact query, looked up once per result.
struct Layout {
    explicit Layout(const RowCursor& row)
        : name(row.column("Nome")), company(row.column("Empresa")), owner(row.column("Usuario")),
          login(row.column("NomeUsuario")), shared(row.column("Compartilhado")),
          homePhone(row.column("FoneRes")), mobilePhone(row.column("FoneCel")),
          businessPhone(row.column("FoneCom")), birthday(row.column("Aniversario")) {
        for (std::size_t i = 0; i < kRecordColumns.size(); ++i) {
            record[i] = row.column(kRecordColumns[i].name);
        }
    }
    int name, company, owner, login, shared, homePhone, mobilePhone, businessPhone, birthday;
    std::array<int, kRecordColumns.size()> record{};
};

QString firstPhone(const RowCursor& row, const Layout& at) {
    for (const int column : {at.homePhone, at.businessPhone, at.mobilePhone}) {
        if (!row.utf8(column).isEmpty()) {
            return row.text(column);
        }
    }
    return {};
}

// Turns the stored UTF-8 into the rows' texts, reusing one buffer for the
// pieces a cell is made of, so each cell costs a single allocation.
class CellBuilder {
public:
    QString joined(std::initializer_list<QByteArrayView> pieces) {
        buffer_.clear();
        for (const QByteArrayView piece : pieces) {
            buffer_.append(piece.data(), static_cast<std::size_t>(piece.size()));
        }
        return text();
    }
    QString record(const RowCursor& row, const Layout& at) {
        buffer_.clear();
        for (std::size_t i = 0; i < kRecordColumns.size(); ++i) {
            if (kRecordColumns[i].key) {
                appendKey(buffer_, row.integer(at.record[i]));
            } else {
                appendField(buffer_, row.utf8(at.record[i]));
            }
        }
        return text();
    }

private:
    QString text() const {
        return QString::fromUtf8(buffer_.data(), static_cast<qsizetype>(buffer_.size()));
    }
    std::string buffer_;
};

ContactRow rowOf(const RowCursor& row, const Layout& at, qint64 user, CellBuilder& cells) {
    ContactRow r;
    r.record = cells.record(row, at);
    const QByteArrayView login = row.utf8(at.login);
    r.nameCell = login.isEmpty() ? cells.joined({"    ", row.utf8(at.name)})
                                 : cells.joined({"    ", row.utf8(at.name), " [", login, "]"});
    r.sharedPicture = row.utf8(at.shared) == "S" && row.integer(at.owner) != user;
    r.phoneCell = firstPhone(row, at);
    r.companyCell = cells.joined({"  ", row.utf8(at.company)});
    r.birthdayCell = row.text(at.birthday);
    return r;
}

} // namespace

const QVector<GridColumn>& contactColumns() {
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment centre = Qt::AlignHCenter;
    static const QVector<GridColumn> columns = {
        {QString(), 0, left, left | Qt::AlignVCenter},
        {QStringLiteral("  Nome"), 4000, left, left | Qt::AlignVCenter},
        {QStringLiteral("Telefone"), 1300, centre, Qt::AlignCenter},
        {QStringLiteral("  Empresa"), 5000, left, left | Qt::AlignVCenter},
        {QStringLiteral("Aniv"), 600, centre, Qt::AlignCenter},
    };
    return columns;
}

QVector<ContactRow> listContacts(const AppContext& ctx, const ContactFilter& filter) {
    const qint64 user = ctx.session.userCode;
    const BoundQuery q = contactQuery(user, ctx.settings.showShared, filter);
    QVector<ContactRow> result;
    std::optional<Layout> at;
    CellBuilder cells;
    ctx.db.forEachRow(q.sql, q.params, [&](const RowCursor& row) {
        if (!at) {
            at.emplace(row);
        }
        result.push_back(rowOf(row, *at, user, cells));
    });
    return result;
}

Contact contactFromRow(const QString& record, const QString& nameCell, const QString& companyCell) {
    const QStringList pieces = record.split(kTab);
    const auto at = [&](int i) { return unescapeField(pieces.value(i)).trimmed(); };
    Contact c;
    c.key = at(0).toLongLong();
    c.shared = at(1) == QLatin1String("S");
    c.birthdayKey = at(2).toLongLong();
    c.address = at(3);
    c.city = at(4);
    c.state = at(5);
    c.postalCode = at(6);
    c.email = at(7);
    c.homePhone = at(8);
    c.mobilePhone = at(9);
    c.businessPhone = at(10);
    c.birthday = at(11);
    c.notes = at(12);
    c.name = nameCell.trimmed();
    c.company = companyCell.trimmed();
    return c;
}

} // namespace orv::contacts
