#pragma once

#include "contacts/Contact.h"

#include <QByteArray>
#include <QVector>

namespace orv::contacts {

// The contacts as one vCard 3.0 file in UTF-8, CRLF line ends, lines folded at
// 75 bytes: FN and N, ORG, the three phones typed HOME, CELL and WORK, EMAIL,
// ADR, NOTE and BDAY as "--MM-DD".
QByteArray writeVCards(const QVector<Contact>& contacts);

} // namespace orv::contacts
