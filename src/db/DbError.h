#pragma once

#include <QString>
#include <stdexcept>

namespace orv {

// The failure code the data layer gives when the data file is missing, is not a
// database or was written with another password.
inline constexpr int kFileFailure = static_cast<int>(0x80004005u);

// Why the data file could not be used, told apart so far as the person can do
// something about it.
enum class DbCause { Other, Missing, NoAccess, ReadOnly, DiskFull, Busy, Damaged };

// The cause behind a failed system call on a file (its errno).
DbCause causeOfErrno(int errnum);

// Every failure of the data layer. The caller decides what to tell the user.
class DbError : public std::runtime_error {
public:
    DbError(int code, QString description, DbCause cause = DbCause::Other);

    // A result read by a column it does not have.
    static DbError missingColumn(const QString& column);

    int code() const { return code_; }
    bool isFileFailure() const { return code_ == kFileFailure; }
    const QString& description() const { return description_; }
    DbCause cause() const { return cause_; }

private:
    int code_;
    QString description_;
    DbCause cause_;
};

} // namespace orv
