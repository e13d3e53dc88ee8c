#pragma once

#include "contacts/Contact.h"
#include "db/Db.h"

#include <QDate>

namespace orv::contacts {

// Writes the contact of the user (a new one when its key is 0) and keeps its
// birthday appointment in step, all in one transaction: with a birthday the
// appointment is created, or re-dated to the next occurrence after today,
// renamed "Aniversário " + name and given the contact's shared flag; without
// one it is deleted. An appointment the user already deleted elsewhere is not
// brought back. Empty optional fields are stored as NULL. On success the
// contact's key and birthday key are those stored; on failure nothing is
// written and the contact is left as it was.
void saveContact(Db& db, qint64 user, const QDate& today, Contact& contact);

// The same writes inside a transaction the caller has opened (and commits or
// rolls back): for work that saves many contacts as one whole. The contact's
// keys are set as soon as its rows are written.
void writeContact(const Db& db, qint64 user, const QDate& today, Contact& contact);

// Deletes the contact of the user and, when birthdayKey is not 0, its birthday
// appointment, together.
void deleteContact(Db& db, qint64 user, qint64 key, qint64 birthdayKey);

} // namespace orv::contacts
