#include "session/OldDataImport.h"

namespace orv {

void importOldData(AppContext&) {
    // Not offered yet: the version 1.0 data stays where it is and the import
    // flag stays "N", so the next new user is asked again once the copy exists.
}

} // namespace orv
