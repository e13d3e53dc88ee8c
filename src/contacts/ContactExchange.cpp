#include "contacts/ContactExchange.h"

#include "contacts/ContactQuery.h"
#include "contacts/ContactStore.h"
#include "contacts/VCardReader.h"
#include "contacts/VCardWriter.h"

#include <QMultiHash>
#include <QSet>

namespace orv::contacts {
namespace {

// What tells two contacts of one person apart: the name, the phones (digits
// only) and the e-mail.
struct Identity {
    QSet<QString> phones;
    QString email;

    Identity(const QStringList& phoneTexts, const QString& mail) : email(mail.toCaseFolded()) {
        for (const QString& phone : phoneTexts) {
            QString digits;
            for (const QChar c : phone) {
                if (c.isDigit()) {
                    digits += c;
                }
            }
            if (!digits.isEmpty()) {
                phones.insert(digits);
            }
        }
    }
    bool sameAs(const Identity& other) const {
        if (phones.isEmpty() && other.phones.isEmpty()) {
            return email == other.email;
        }
        return phones.intersects(other.phones);
    }
};

QString nameKey(const QString& name) {
    return name.simplified().toCaseFolded();
}

class KnownContacts {
public:
    KnownContacts(const Db& db, qint64 user) {
        RowSet rs = db.runQuery(QStringLiteral("Select Nome,FoneRes,FoneCel,FoneCom,Email from "
                                               "Enderecos Where Usuario = ?"),
                                {user});
        for (; !rs.eof(); rs.moveNext()) {
            known_.insert(
                nameKey(rs.text(QStringLiteral("Nome"))),
                Identity({rs.text(QStringLiteral("FoneRes")), rs.text(QStringLiteral("FoneCel")),
                          rs.text(QStringLiteral("FoneCom"))},
                         rs.text(QStringLiteral("Email"))));
        }
    }
    // False for a duplicate; otherwise remembers the contact.
    bool add(const Contact& c) {
        const QString key = nameKey(c.name);
        const Identity id({c.homePhone, c.mobilePhone, c.businessPhone}, c.email);
        for (auto it = known_.constFind(key); it != known_.cend() && it.key() == key; ++it) {
            if (it->sameAs(id)) {
                return false;
            }
        }
        known_.insert(key, id);
        return true;
    }

private:
    QMultiHash<QString, Identity> known_;
};

Contact contactOf(const RowSet& rs) {
    const auto t = [&rs](const char* column) { return rs.text(QString::fromLatin1(column)); };
    Contact c;
    c.key = rs.integer(QStringLiteral("Chave"));
    c.name = t("Nome");
    c.company = t("Empresa");
    c.address = t("Endereco");
    c.city = t("Cidade");
    c.state = t("Estado");
    c.postalCode = t("Cep");
    c.email = t("Email");
    c.homePhone = t("FoneRes");
    c.mobilePhone = t("FoneCel");
    c.businessPhone = t("FoneCom");
    c.birthday = t("Aniversario");
    c.notes = t("Observacao");
    c.shared = t("Compartilhado") == QLatin1String("S");
    c.birthdayKey = rs.integer(QStringLiteral("ChaveAniversario"));
    return c;
}

} // namespace

exchange::ExportedFile exportContacts(const Db& db, qint64 user, const ContactFilter& filter) {
    QVector<Contact> contacts;
    for (RowSet rs = runContactQuery(db, user, false, filter); !rs.eof(); rs.moveNext()) {
        contacts << contactOf(rs);
    }
    return {writeVCards(contacts), static_cast<int>(contacts.size())};
}

exchange::ImportOutcome importContacts(Db& db, qint64 user, const QDate& today,
                                       const QByteArray& bytes) {
    exchange::ImportOutcome result;
    VCardFile file = readVCards(bytes);
    if (!file.error.isEmpty()) {
        result.error = file.error;
        return result;
    }
    result.summary.refused = file.refused;
    KnownContacts known(db, user);
    Transaction tx(db);
    for (CardContact& card : file.cards) {
        if (!known.add(card.contact)) {
            ++result.summary.duplicates;
            continue;
        }
        writeContact(db, user, today, card.contact);
        ++result.summary.added;
        result.summary.cut += card.cut ? 1 : 0;
    }
    tx.commit();
    return result;
}

} // namespace orv::contacts
