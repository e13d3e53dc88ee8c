#include "db/DbError.h"

#include <cerrno>

namespace orv {

DbCause causeOfErrno(int errnum) {
    switch (errnum) {
    case ENOENT:
    case ENOTDIR:
        return DbCause::Missing;
    case EACCES:
    case EPERM:
        return DbCause::NoAccess;
    case EROFS:
        return DbCause::ReadOnly;
    case ENOSPC:
    case EDQUOT:
        return DbCause::DiskFull;
    default:
        return DbCause::Other;
    }
}

DbError::DbError(int code, QString description, DbCause cause)
    : std::runtime_error(description.toStdString()), code_(code),
      description_(std::move(description)), cause_(cause) {}

DbError DbError::missingColumn(const QString& column) {
    return DbError(3265, QStringLiteral("Coluna não encontrada: %1").arg(column));
}

} // namespace orv
