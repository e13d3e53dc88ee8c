#pragma once

#include "contacts/Contact.h"

#include <QByteArray>
#include <QVector>

namespace orv::contacts {

// One card as a contact of the user, its values brought to what the boxes hold.
struct CardContact {
    Contact contact;
    bool cut = false; // a value was cut to its box, or lost characters the box refuses
};

// The cards of a .vcf file (vCard 2.1, 3.0 or 4.0): name (FN, else N), phones
// by type (home, cell, work; others in the first free box), e-mail, address,
// company, notes and birthday. Phones, e-mails and addresses beyond the boxes
// go into the notes. Photos, logos, sounds and unknown properties are skipped
// whatever their size.
struct VCardFile {
    QVector<CardContact> cards;
    int refused = 0; // cards without any name
    QString error;   // set when the file adds nothing: not a vCard, damaged, ...
};
VCardFile readVCards(const QByteArray& bytes);

} // namespace orv::contacts
