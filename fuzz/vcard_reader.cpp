// libFuzzer target: any bytes offered as a .vcf file. The reader must never
// crash, must add nothing when it reports an error, and every contact it gives
// must fit the boxes of the detail form as a typed one would.

#include "contacts/ContactForm.h"
#include "contacts/ContactValues.h"
#include "contacts/VCardReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool phoneLike(const QString& phone) {
    for (const QChar c : phone) {
        if (!(c.isDigit() || QStringLiteral(".-()").contains(c))) {
            return false;
        }
    }
    return phone.size() <= orv::contacts::limit::kPhone;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orv::contacts;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const VCardFile file = readVCards(bytes);
    check(file.error.isEmpty() || (file.cards.isEmpty() && file.refused == 0));
    for (const CardContact& card : file.cards) {
        const Contact& c = card.contact;
        check(!c.name.isEmpty() && c.name == storedName(c.name) && c.name.size() <= limit::kName);
        check(c.company.size() <= limit::kCompany && c.address.size() <= limit::kAddress &&
              c.city.size() <= limit::kCity && c.state.size() <= limit::kState &&
              c.postalCode.size() <= limit::kPostalCode && c.email.size() <= limit::kEmail &&
              c.notes.size() <= limit::kNotes);
        check(phoneLike(c.homePhone) && phoneLike(c.mobilePhone) && phoneLike(c.businessPhone));
        check(c.birthday.isEmpty() || nextBirthday(c.birthday, QDate(2026, 1, 1)).isValid());
    }
    return 0;
}
