#include "contacts/VCardWriter.h"

#include "exchange/ContentLineWriter.h"

namespace orv::contacts {
namespace {

using exchange::appendContentLine;
using exchange::escapedText;

void optionalLine(QByteArray& file, const QString& name, const QString& value) {
    if (!value.isEmpty()) {
        appendContentLine(file, name, escapedText(value));
    }
}

// N of a one-box name: the last word as the family name, the rest as given names.
QString structuredName(const QString& name) {
    const QString trimmed = name.trimmed();
    const qsizetype blank = trimmed.lastIndexOf(QLatin1Char(' '));
    if (blank < 0) {
        return escapedText(trimmed) + QStringLiteral(";;;;");
    }
    return escapedText(trimmed.mid(blank + 1)) + QLatin1Char(';') +
           escapedText(trimmed.left(blank)) + QStringLiteral(";;;");
}

} // namespace

QByteArray writeVCards(const QVector<Contact>& contacts) {
    QByteArray file;
    file.reserve(contacts.size() * 256);
    for (const Contact& c : contacts) {
        appendContentLine(file, QStringLiteral("BEGIN"), QStringLiteral("VCARD"));
        appendContentLine(file, QStringLiteral("VERSION"), QStringLiteral("3.0"));
        appendContentLine(file, QStringLiteral("FN"), escapedText(c.name));
        appendContentLine(file, QStringLiteral("N"), structuredName(c.name));
        optionalLine(file, QStringLiteral("ORG"), c.company);
        optionalLine(file, QStringLiteral("TEL;TYPE=HOME,VOICE"), c.homePhone);
        optionalLine(file, QStringLiteral("TEL;TYPE=CELL"), c.mobilePhone);
        optionalLine(file, QStringLiteral("TEL;TYPE=WORK,VOICE"), c.businessPhone);
        optionalLine(file, QStringLiteral("EMAIL;TYPE=INTERNET"), c.email);
        if (!c.address.isEmpty() || !c.city.isEmpty() || !c.state.isEmpty() ||
            !c.postalCode.isEmpty()) {
            appendContentLine(file, QStringLiteral("ADR;TYPE=HOME"),
                              QStringLiteral(";;%1;%2;%3;%4;")
                                  .arg(escapedText(c.address), escapedText(c.city),
                                       escapedText(c.state), escapedText(c.postalCode)));
        }
        optionalLine(file, QStringLiteral("NOTE"), c.notes);
        if (c.birthday.size() == 5) {
            appendContentLine(
                file, QStringLiteral("BDAY"),
                QStringLiteral("--%1-%2").arg(c.birthday.mid(3, 2), c.birthday.left(2)));
        }
        appendContentLine(file, QStringLiteral("END"), QStringLiteral("VCARD"));
    }
    return file;
}

} // namespace orv::contacts
