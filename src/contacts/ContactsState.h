#pragma once

#include "contacts/ContactFilter.h"
#include "session/SessionResets.h"

namespace orv::contacts {

// The working values of the contacts panel while a user is logged on. The
// filter is the list the user last asked for: it outlives panel switches, a
// save or delete lists it again, and the printed address book runs it too.
// Ending the session forgets everything. Owned beside the application context
// and registered with its session resets, so it must live as long as they do.
class ContactsState {
public:
    explicit ContactsState(SessionResets& resets) {
        resets.add([this] { reset(); });
    }
    ContactsState(const ContactsState&) = delete;
    ContactsState& operator=(const ContactsState&) = delete;

    ContactFilter filter;
    int highlightedLetter = 0;      // cmdLetra index last highlighted
    qint64 selectedKey = 0;         // contact in the detail form, 0 for a new one
    qint64 selectedBirthdayKey = 0; // its birthday appointment

    void reset() {
        filter = ContactFilter();
        highlightedLetter = 0;
        selectedKey = 0;
        selectedBirthdayKey = 0;
    }
};

} // namespace orv::contacts
