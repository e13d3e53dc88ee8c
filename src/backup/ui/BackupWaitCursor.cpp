#include "backup/ui/BackupWaitCursor.h"

#include <QApplication>

namespace orv::backup {

void useWaitCursor(BackupHooks& hooks) {
    hooks.beginWait = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    hooks.endWait = [] { QApplication::restoreOverrideCursor(); };
}

} // namespace orv::backup
