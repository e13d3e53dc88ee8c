#pragma once

#include "contacts/ContactFilter.h"
#include "db/Db.h"
#include "exchange/ImportSummary.h"

#include <QByteArray>
#include <QDate>

namespace orv::contacts {

// The user's own contacts under the filter (the whole book for an empty one),
// in the list's order, as one vCard file. Other users' contacts never go out,
// shared or not.
exchange::ExportedFile exportContacts(const Db& db, qint64 user, const ContactFilter& filter);

// Adds the cards of a vCard file to the user's address book, each through the
// contact save (so a birthday gets its appointment), as private contacts, all
// in one transaction. A card with the same name as one of the user's contacts
// (case aside) and one phone in common, or with no phone on either side and the
// same e-mail, is left out as a duplicate; so is the second of two such cards.
exchange::ImportOutcome importContacts(Db& db, qint64 user, const QDate& today,
                                       const QByteArray& bytes);

} // namespace orv::contacts
