#pragma once

#include "session/AppContext.h"

namespace orv {

// Copies the appointments and contacts of the version 1.0 data file to the new
// user just saved, marks the import as done and removes the old file.
void importOldData(AppContext& ctx);

} // namespace orv
