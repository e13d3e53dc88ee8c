#pragma once

#include "contacts/ContactFilter.h"

namespace orv::contacts {

// The working values of the contacts panel while a user is logged on. The
// filter is the list the user last asked for: it outlives panel switches, a
// save or delete lists it again, and the printed address book runs it too.
// Ending the session forgets everything (reset).
struct ContactsState {
    ContactFilter filter;
    int highlightedLetter = 0;      // cmdLetra index last highlighted
    qint64 selectedKey = 0;         // contact in the detail form, 0 for a new one
    qint64 selectedBirthdayKey = 0; // its birthday appointment

    void reset() { *this = ContactsState(); }
};

} // namespace orv::contacts
