#pragma once

#include "backup/BackupCommands.h"

namespace orv::backup {

// Sets the wait hooks to the application's hourglass pointer.
void useWaitCursor(BackupHooks& hooks);

} // namespace orv::backup
