#include "contacts/ContactGrid.h"

#include "contacts/ContactQuery.h"
#include "session/AppContext.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <optional>

namespace orv::contacts {
namespace {

constexpr QChar kTab = QLatin1Char('\t');

// The fields kept for each row, in order: the thirteen of the row record
// (the keys as whole numbers), then the name, the company and the owner's
// login (empty for the user's own contacts).
struct ListColumn {
    const char* name;
    bool key;
};
constexpr int kRecordFields = 13;
constexpr std::array<ListColumn, 16> kListColumns = {{{"Chave", true},
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
                                                      {"Observacao", false},
                                                      {"Nome", false},
                                                      {"Empresa", false},
                                                      {"NomeUsuario", false}}};
enum Field {
    Shared = 1,
    HomePhone = 8,
    MobilePhone = 9,
    BusinessPhone = 10,
    Birthday = 11,
    Name = 13,
    Company = 14,
    Login = 15
};

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

QString utf8(std::initializer_list<QByteArrayView> pieces) {
    std::string joined;
    for (const QByteArrayView piece : pieces) {
        joined.append(piece.data(), static_cast<std::size_t>(piece.size()));
    }
    return QString::fromUtf8(joined.data(), static_cast<qsizetype>(joined.size()));
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

ContactList::Row& ContactList::addRow(std::size_t bytes) {
    constexpr std::size_t kBlock = 64 * 1024;
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < bytes) {
        blocks_.emplace_back().reserve(std::max(kBlock, bytes));
    }
    Row& r = rows_.emplace_back();
    r.block = static_cast<int>(blocks_.size()) - 1;
    r.begin = static_cast<int>(blocks_.back().size());
    return r;
}

QByteArrayView ContactList::field(int row, int field) const {
    const Row& r = rows_.at(static_cast<std::size_t>(row));
    const int begin = field == 0 ? r.begin : r.ends[field - 1];
    return QByteArrayView(blocks_[static_cast<std::size_t>(r.block)].data() + begin,
                          r.ends[field] - begin);
}

QString ContactList::text(int row, int field) const {
    const QByteArrayView bytes = this->field(row, field);
    return QString::fromUtf8(bytes.data(), bytes.size());
}

QString ContactList::record(int row) const {
    std::string record;
    for (int f = 0; f < kRecordFields; ++f) {
        appendField(record, field(row, f));
    }
    return QString::fromUtf8(record.data(), static_cast<qsizetype>(record.size()));
}

QString ContactList::nameCell(int row) const {
    const QByteArrayView login = field(row, Login);
    return login.isEmpty() ? utf8({"    ", field(row, Name)})
                           : utf8({"    ", field(row, Name), " [", login, "]"});
}

QString ContactList::phoneCell(int row) const {
    for (const int f : {HomePhone, BusinessPhone, MobilePhone}) {
        if (!field(row, f).isEmpty()) {
            return text(row, f);
        }
    }
    return {};
}

QString ContactList::companyCell(int row) const {
    return utf8({"  ", field(row, Company)});
}

QString ContactList::birthdayCell(int row) const {
    return text(row, Birthday);
}

ContactRow ContactList::row(int row) const {
    return {record(row),    nameCell(row),    sharedPicture(row),
            phoneCell(row), companyCell(row), birthdayCell(row)};
}

static_assert(kListColumns.size() == 16, "the fields a list row keeps");

ContactList listContacts(const AppContext& ctx, const ContactFilter& filter) {
    const qint64 user = ctx.session.userCode;
    const BoundQuery q = contactQuery(user, ctx.settings.showShared, filter);
    ContactList list;
    std::array<int, kListColumns.size()> at{};
    int owner = -1;
    ctx.db.forEachRow(q.sql, q.params, [&](const RowCursor& row) {
        if (owner < 0) {
            for (std::size_t i = 0; i < kListColumns.size(); ++i) {
                at[i] = row.column(kListColumns[i].name);
            }
            owner = row.column("Usuario");
        }
        // The fields are measured first, to find the row room in one block.
        std::array<QByteArrayView, kListColumns.size()> fields;
        std::array<char[24], kListColumns.size()> digits;
        std::size_t size = 0;
        for (std::size_t i = 0; i < kListColumns.size(); ++i) {
            if (kListColumns[i].key) {
                const auto end =
                    std::to_chars(digits[i], digits[i] + sizeof digits[i], row.integer(at[i]));
                fields[i] = QByteArrayView(digits[i], end.ptr - digits[i]);
            } else {
                fields[i] = row.utf8(at[i]);
            }
            size += static_cast<std::size_t>(fields[i].size());
        }
        ContactList::Row& r = list.addRow(size);
        std::string& block = list.blocks_.back();
        for (std::size_t i = 0; i < kListColumns.size(); ++i) {
            block.append(fields[i].data(), static_cast<std::size_t>(fields[i].size()));
            r.ends[i] = static_cast<int>(block.size());
        }
        r.shared = row.utf8(at[Shared]) == "S" && row.integer(owner) != user;
    });
    return list;
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
