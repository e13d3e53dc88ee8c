#include "contacts/VCardReader.h"

#include "contacts/ContactForm.h"
#include "contacts/ContactValues.h"
#include "exchange/BoxText.h"
#include "exchange/ContentLines.h"
#include "exchange/ImportSummary.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <optional>

namespace orv::contacts {
namespace {

using exchange::ContentLine;
using exchange::fitToBox;
using exchange::withoutControls;

// The properties a card is read from; every other one is skipped unread.
const QSet<QString> kRead = {
    QStringLiteral("BEGIN"), QStringLiteral("END"), QStringLiteral("VERSION"),
    QStringLiteral("FN"),    QStringLiteral("N"),   QStringLiteral("TEL"),
    QStringLiteral("EMAIL"), QStringLiteral("ADR"), QStringLiteral("ORG"),
    QStringLiteral("NOTE"),  QStringLiteral("BDAY")};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

QByteArray fromQuotedPrintable(const QByteArray& raw) {
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const int high = i + 2 < raw.size() ? hexDigit(raw[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(raw[i + 2]) : -1;
        if (raw[i] == '=' && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += raw[i];
        }
    }
    return out;
}

// Bytes in the named character set; UTF-8 when none is named, falling back to
// Windows-1252 (what older phones meant) when the bytes are no UTF-8.
QString decodeText(const QByteArray& bytes, const QString& charset) {
    const QString name = charset.isEmpty() ? QStringLiteral("UTF-8") : charset;
    QStringDecoder decoder(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (!decoder.hasError()) {
            return text;
        }
    }
    QStringDecoder windows("windows-1252");
    return windows.isValid() ? QString(windows.decode(bytes)) : QString::fromLatin1(bytes);
}

QString decoded(const ContentLine& p) {
    const QStringList encoding = p.param(QStringLiteral("ENCODING")) + p.param(QString());
    const QByteArray bytes = encoding.contains(QStringLiteral("QUOTED-PRINTABLE"))
                                 ? fromQuotedPrintable(p.value)
                                 : p.value;
    return decodeText(bytes, p.param(QStringLiteral("CHARSET")).value(0));
}

// The value split at unescaped ";", each part with "\n", "\,", "\;", "\\" undone.
QStringList components(const QString& value) {
    QStringList parts(1);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            parts.back() +=
                (next == QLatin1Char('n') || next == QLatin1Char('N')) ? QLatin1Char('\n') : next;
        } else if (c == QLatin1Char(';')) {
            parts << QString();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

QString text(const ContentLine& p) {
    return components(decoded(p)).join(QLatin1Char(';'));
}

QString joined(const QStringList& parts, const QString& separator) {
    QStringList kept;
    for (const QString& part : parts) {
        if (!part.trimmed().isEmpty()) {
            kept << part.trimmed();
        }
    }
    return kept.join(separator);
}

QString nameOfN(const ContentLine& p) {
    const QStringList n = components(decoded(p)); // family;given;additional;prefix;suffix
    return joined({n.value(3), n.value(1), n.value(2), n.value(0), n.value(4)},
                  QStringLiteral(" "));
}

struct Address {
    QString street;
    QString city;
    QString state;
    QString postalCode;
};

Address addressOf(const ContentLine& p) {
    const QStringList a = components(decoded(p)); // box;extended;street;city;region;code;country
    const QString country = a.value(6).trimmed().toUpper();
    const bool home = country.isEmpty() || country == QLatin1String("BRASIL") ||
                      country == QLatin1String("BRAZIL") || country == QLatin1String("BR");
    return {joined({a.value(2), a.value(1), a.value(0), home ? QString() : a.value(6)},
                   QStringLiteral(", ")),
            a.value(3).trimmed(), stateAsTyped(a.value(4)), a.value(5).trimmed()};
}

// "DD/MM" of a birthday in the forms phones write: "--0415", "--04-15",
// "19800415", "1980-04-15" (a time may follow), "15/04/1980", "15/04". Empty
// for no date: a day that no year (or the given year) has is no date.
QString birthdayOf(const QString& value) {
    static const QRegularExpression iso(
        QStringLiteral("^(?:(\\d{4})-?|--)(\\d{2})-?(\\d{2})(?:T.*)?$"));
    static const QRegularExpression dayFirst(
        QStringLiteral("^(\\d{1,2})/(\\d{1,2})(?:/(\\d{4}))?$"));
    int year = 0;
    int month = 0;
    int day = 0;
    if (const auto m = iso.match(value.trimmed()); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else if (const auto d = dayFirst.match(value.trimmed()); d.hasMatch()) {
        year = d.captured(3).toInt();
        month = d.captured(2).toInt();
        day = d.captured(1).toInt();
    }
    // A year before 1800 stands for "year unknown" in some phones' files.
    const QDate date(year >= 1800 ? year : 2000, month, day);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM")) : QString();
}

// Builds one contact from the properties of one card.
class CardBuilder {
public:
    // The message that refuses the file, if the card holds such a value.
    std::optional<QString> add(const ContentLine& p);
    // The contact, or nothing for a card without any name.
    std::optional<CardContact> finish();

private:
    void addPhone(const ContentLine& p);
    void fit(QString& value, int limit);
    void fit(const BoxValue& value, QString& box, int limit);

    CardContact card_;
    QString fullName_;
    QString structuredName_;
    QStringList notes_;
    QStringList extras_;
    QStringList phones_;
    QVector<std::pair<Address, bool>> addresses_; // with its HOME type
    QString email_;
};

std::optional<QString> CardBuilder::add(const ContentLine& p) {
    if (!kRead.contains(p.name)) {
        return std::nullopt;
    }
    if (p.value.size() > exchange::kMaxPropertyBytes) {
        return QStringLiteral("A propriedade %1 da linha %2 passa de 64 KiB.")
            .arg(p.name)
            .arg(p.line);
    }
    if (p.name == QLatin1String("FN") && fullName_.isEmpty()) {
        fullName_ = text(p);
    } else if (p.name == QLatin1String("N")) {
        structuredName_ = nameOfN(p);
    } else if (p.name == QLatin1String("TEL")) {
        addPhone(p);
    } else if (p.name == QLatin1String("EMAIL")) {
        const QString email = text(p).trimmed();
        if (email_.isEmpty()) {
            email_ = email;
        } else if (!email.isEmpty() && email != email_) {
            extras_ << QStringLiteral("Email: ") + email;
        }
    } else if (p.name == QLatin1String("ADR")) {
        addresses_.append({addressOf(p), p.hasType(QStringLiteral("HOME"))});
    } else if (p.name == QLatin1String("ORG")) {
        card_.contact.company = joined(components(decoded(p)), QStringLiteral(" - "));
    } else if (p.name == QLatin1String("NOTE")) {
        notes_ << text(p);
    } else if (p.name == QLatin1String("BDAY") &&
               !p.param(QStringLiteral("VALUE")).contains(QStringLiteral("TEXT"))) {
        card_.contact.birthday = birthdayOf(text(p));
        if (card_.contact.birthday.isEmpty()) {
            return QStringLiteral("O aniversário \"%1\" da linha %2 não é uma data válida.")
                .arg(text(p).left(40))
                .arg(p.line);
        }
    }
    return std::nullopt;
}

void CardBuilder::addPhone(const ContentLine& p) {
    const BoxValue phone = phoneAsTyped(text(p));
    if (phone.text.isEmpty() || phones_.contains(phone.text)) {
        return;
    }
    phones_ << phone.text;
    Contact& c = card_.contact;
    const auto is = [&p](const char* type) { return p.hasType(QLatin1String(type)); };
    QString* box = nullptr;
    if (is("CELL") || is("MOBILE")) {
        box = &c.mobilePhone;
    } else if (is("FAX") || is("PAGER")) {
        box = nullptr;
    } else if (is("WORK")) {
        box = &c.businessPhone;
    } else if (is("HOME")) {
        box = &c.homePhone;
    } else {
        for (QString* free : {&c.homePhone, &c.mobilePhone, &c.businessPhone}) {
            if (free->isEmpty()) {
                box = free;
                break;
            }
        }
    }
    if (box != nullptr && box->isEmpty()) {
        fit(phone, *box, limit::kPhone);
    } else {
        extras_ << (is("FAX") ? QStringLiteral("Fax: ") : QStringLiteral("Telefone: ")) +
                       phone.text;
    }
}

void CardBuilder::fit(QString& value, int limit) {
    card_.cut = fitToBox(value, limit) || card_.cut;
}

void CardBuilder::fit(const BoxValue& value, QString& box, int limit) {
    box = value.text;
    card_.cut = value.lossy || card_.cut;
    fit(box, limit);
}

std::optional<CardContact> CardBuilder::finish() {
    Contact& c = card_.contact;
    QString name = fullName_.trimmed().isEmpty() ? structuredName_ : fullName_;
    c.name = storedName(withoutControls(name, false));
    if (c.name.isEmpty()) {
        return std::nullopt;
    }
    if (fitToBox(c.name, limit::kName)) {
        c.name = storedName(c.name); // no blank left at the cut
        card_.cut = true;
    }
    c.company = withoutControls(c.company, false);
    fit(c.company, limit::kCompany);
    c.email = withoutControls(email_, false);
    fit(c.email, limit::kEmail);
    int home = 0;
    for (int i = 0; i < addresses_.size(); ++i) {
        if (addresses_[i].second && !addresses_[home].second) {
            home = i;
        }
    }
    for (int i = 0; i < addresses_.size(); ++i) {
        const Address& a = addresses_[i].first;
        if (i != home) {
            extras_ << QStringLiteral("Endereço: ") +
                           joined({a.street, a.city, a.state, a.postalCode}, QStringLiteral(", "));
            continue;
        }
        c.address = withoutControls(a.street, false);
        fit(c.address, limit::kAddress);
        c.city = withoutControls(a.city, false);
        fit(c.city, limit::kCity);
        c.state = withoutControls(a.state, false);
        fit(c.state, limit::kState);
        fit(postalCodeAsTyped(a.postalCode), c.postalCode, limit::kPostalCode);
    }
    c.notes = withoutControls((notes_ + extras_).join(QLatin1Char('\n')), true);
    fit(c.notes, limit::kNotes);
    return card_;
}

bool isMarker(const ContentLine& p, const char* name) {
    return p.name == QLatin1String(name) &&
           p.value.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
}

VCardFile failed(const QString& why) {
    VCardFile file;
    file.error = why;
    return file;
}

} // namespace

VCardFile readVCards(const QByteArray& bytes) {
    const QString notVCard = QStringLiteral("O arquivo não é um arquivo de contatos vCard.");
    const exchange::ContentLines lines =
        exchange::readContentLines(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (lines.lines.isEmpty() || !isMarker(lines.lines.front(), "BEGIN")) {
        return failed(notVCard);
    }
    if (lines.damagedLine != 0) {
        return failed(
            QStringLiteral("O arquivo está danificado na linha %1.").arg(lines.damagedLine));
    }
    VCardFile file;
    std::optional<CardBuilder> card;
    for (const ContentLine& p : lines.lines) {
        // A card inside a card, or a property outside any card.
        if (isMarker(p, "BEGIN") == card.has_value()) {
            return failed(QStringLiteral("O arquivo está danificado na linha %1.").arg(p.line));
        }
        if (isMarker(p, "BEGIN")) {
            card.emplace();
        } else if (isMarker(p, "END")) {
            if (std::optional<CardContact> c = card->finish()) {
                file.cards << *c;
            } else {
                ++file.refused;
            }
            card.reset();
        } else if (const std::optional<QString> why = card->add(p)) {
            return failed(*why);
        }
    }
    if (card) {
        return failed(QStringLiteral("O arquivo está incompleto: termina no meio de um contato."));
    }
    return file;
}

} // namespace orv::contacts
