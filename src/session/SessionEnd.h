#pragma once

#include "session/AppContext.h"

namespace orv {

// Forgets the logged-on user: the session, the settings and every working value
// registered in the context's resets. Marks the session as logged out, so the
// next logon reloads the main window. Returns whether any user is left in the
// data file (the logon button is usable only then).
bool endSession(AppContext& ctx);

} // namespace orv
