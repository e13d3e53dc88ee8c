#pragma once

#include <QByteArray>
#include <QString>

namespace orv::backup {

// Reads the whole file into bytes; returns 0 or the error code of the failure.
int readWholeFile(const QString& path, QByteArray& bytes);

// Writes the bytes as the new content of path without ever leaving a partial
// file under that name: they go to a hidden file beside it, are flushed to the
// disk and then renamed over path in one step. A file already at path keeps its
// content when anything fails, and lends its permissions to the new one.
// Returns 0 or the error code of the failure.
int writeFileAtomically(const QString& path, const QByteArray& bytes);

// Moves the file from over the file to in one rename (both in one folder),
// keeping the permissions of the file it replaces. Returns 0 or the error code.
int replaceFile(const QString& from, const QString& to);

// Compresses the source file at the level into the target file, the trailer
// appended. Fails with code 0 when a path is empty or the target exists and
// may not be replaced, 53 when the source is missing, else the code of the
// failing step; the target is only ever replaced as a whole.
bool compressFile(const QString& source, const QString& target, int level, int& error,
                  bool replace);

// Decompresses the source file (stream plus trailer) into the target file,
// with the same rules as compressFile.
bool decompressFile(const QString& source, const QString& target, int& error, bool replace);

// Removes from the folder what an interrupted restore left there: the work file
// of that name and the hidden half-written copies of it.
void removeWorkLeftovers(const QString& folder, const QString& workName);

} // namespace orv::backup
