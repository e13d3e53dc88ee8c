#pragma once

namespace orv::backup {

// The error codes of backup and restore. They are shown to the user between the
// brackets of the failure messages, so that a failure can be reported. Besides
// zlib's own (negative) return codes, failed file operations get the classic
// runtime error numbers below.
namespace err {
inline constexpr int None = 0;
inline constexpr int BadTrailer = -1; // the 17-byte length trailer is missing or damaged
inline constexpr int LengthMismatch =
    -3;                            // the data disagrees with the trailer (as zlib's Z_DATA_ERROR)
inline constexpr int Overflow = 6; // a number too large to use
inline constexpr int OutOfMemory = 7;
inline constexpr int TypeMismatch = 13; // the trailer's length is not a decimal number
inline constexpr int NoDisk = 52;       // the backup drive folder is missing or cannot be listed
inline constexpr int FileNotFound = 53; // the source file does not exist
inline constexpr int DeviceIo = 57;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75; // any other failure of a file operation
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidFileFormat = 321; // the restored bytes are not a data file
} // namespace err

// The error code of a failed file operation, from the system's errno value.
int fileErrorCode(int errnoValue);

} // namespace orv::backup
