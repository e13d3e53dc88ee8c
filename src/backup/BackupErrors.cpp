#include "backup/BackupErrors.h"

#include <cerrno>

namespace orv::backup {

int fileErrorCode(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
        return err::PathNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return err::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return err::PermissionDenied;
    case EIO:
    case ENXIO:
    case ENODEV:
        return err::DeviceIo;
    case ENOMEM:
        return err::OutOfMemory;
    default:
        return err::PathFileAccess;
    }
}

} // namespace orv::backup
