#include "db/DbError.h"

namespace orv {

DbError::DbError(int code, QString description)
    : std::runtime_error(description.toStdString()), code_(code),
      description_(std::move(description)) {}

DbError DbError::missingColumn(const QString& column) {
    return DbError(3265, QStringLiteral("Coluna não encontrada: %1").arg(column));
}

} // namespace orv
