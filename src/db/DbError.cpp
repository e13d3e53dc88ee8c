#include "db/DbError.h"

namespace orv {

DbError::DbError(int code, QString description)
    : std::runtime_error(description.toStdString()), code_(code),
      description_(std::move(description)) {}

} // namespace orv
