#include "contacts/ContactGrid.h"

#include "contacts/ContactQuery.h"
#include "session/AppContext.h"

#include <QStringList>

namespace orv::contacts {
namespace {

constexpr QChar kTab = QLatin1Char('\t');

// The fields of the row record, in order.
constexpr std::array<const char*, 13> kRecordColumns = {
    "Chave", "Compartilhado", "ChaveAniversario", "Endereco", "Cidade",      "Estado",    "Cep",
    "Email", "FoneRes",       "FoneCel",          "FoneCom",  "Aniversario", "Observacao"};

int columnOf(const QStringList& columns, const char* name) {
    const QString wanted = QString::fromLatin1(name);
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(wanted, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1; // RowSet::field reports the missing column
}

QString piece(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

// A field inside the row record: a TAB of its own (pasted into the notes, say)
// is written as "\t" and a backslash as "\\", so that splitting the record
// gives every field back whole.
void appendField(QString& record, const QString& field) {
    if (field.contains(kTab) || field.contains(QLatin1Char('\\'))) {
        QString escaped = field;
        escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(kTab, QStringLiteral("\\t"));
        record += escaped;
    } else {
        record += field;
    }
    record += kTab;
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
    explicit Layout(const QStringList& columns)
        : name(columnOf(columns, "Nome")), company(columnOf(columns, "Empresa")),
          owner(columnOf(columns, "Usuario")), login(columnOf(columns, "NomeUsuario")),
          shared(columnOf(columns, "Compartilhado")), homePhone(columnOf(columns, "FoneRes")),
          mobilePhone(columnOf(columns, "FoneCel")), businessPhone(columnOf(columns, "FoneCom")),
          birthday(columnOf(columns, "Aniversario")) {
        for (std::size_t i = 0; i < kRecordColumns.size(); ++i) {
            record[i] = columnOf(columns, kRecordColumns[i]);
        }
    }
    int name, company, owner, login, shared, homePhone, mobilePhone, businessPhone, birthday;
    std::array<int, kRecordColumns.size()> record{};
};

QString firstPhone(const RowSet& rs, const Layout& at) {
    for (const int column : {at.homePhone, at.businessPhone, at.mobilePhone}) {
        QString phone = piece(rs.field(column));
        if (!phone.isEmpty()) {
            return phone;
        }
    }
    return {};
}

ContactRow rowOf(const RowSet& rs, const Layout& at, qint64 user) {
    ContactRow row;
    row.record.reserve(128);
    for (const int column : at.record) {
        appendField(row.record, piece(rs.field(column)));
    }
    const QString login = piece(rs.field(at.login));
    row.nameCell = QStringLiteral("    ") + piece(rs.field(at.name));
    if (!login.isEmpty()) {
        row.nameCell += QStringLiteral(" [") + login + QLatin1Char(']');
    }
    row.sharedPicture =
        piece(rs.field(at.shared)) == QLatin1String("S") && rs.field(at.owner).toLongLong() != user;
    row.phoneCell = firstPhone(rs, at);
    row.companyCell = QStringLiteral("  ") + piece(rs.field(at.company));
    row.birthdayCell = piece(rs.field(at.birthday));
    return row;
}

} // namespace

const std::array<GridColumn, kGridColumns>& contactColumns() {
    static const std::array<GridColumn, kGridColumns> columns = {{
        {QString(), 0, Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("  Nome"), 4000, Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Telefone"), 1300, Qt::AlignCenter},
        {QStringLiteral("  Empresa"), 5000, Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Aniv"), 600, Qt::AlignCenter},
    }};
    return columns;
}

QVector<ContactRow> contactRows(RowSet rows, qint64 user) {
    QVector<ContactRow> result;
    result.reserve(rows.recordCount());
    const Layout at(rows.columns());
    for (; !rows.eof(); rows.moveNext()) {
        result.push_back(rowOf(rows, at, user));
    }
    return result;
}

QVector<ContactRow> listContacts(const AppContext& ctx, const ContactFilter& filter) {
    const qint64 user = ctx.session.userCode;
    return contactRows(runContactQuery(ctx.db, user, ctx.settings.showShared, filter), user);
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
