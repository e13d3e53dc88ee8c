#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace orv::backup {

// A backup file is the zlib stream of the whole data file (compress2), followed
// by a 17-byte trailer: five zero bytes, the uncompressed length as decimal
// digits left-aligned in an 11-byte field filled with zero bytes, and one zero
// byte. Nothing else is stored.
inline constexpr int kTrailerSize = 17;
inline constexpr int kLengthFieldSize = 11;

// The size of the buffer that compression writes into for a source of the given
// length: length * 0.001 + 15 + length, rounded to the nearest whole number, a
// half going to the even neighbour. Always at least zlib's own bound.
qint64 compressTargetSize(qint64 sourceLength);

// The trailer that records the given uncompressed length.
QByteArray lengthTrailer(qint64 length);

// Compresses the source in one zlib call at the level (0 to 9) into target,
// with the trailer appended when asked. An empty source succeeds and leaves the
// target alone. The error code is 0 on success, else zlib's return code.
bool compressBuffer(const QByteArray& source, QByteArray& target, int level, int& error,
                    bool addTrailer);

// Decompresses the source in one zlib call into target. With an uncompressed
// length of -1 the length is read from the trailer, which is cut off the
// source. The error code is 0 on success; -1 when the trailer does not begin
// with five zero bytes or the source is too short to hold one; 13 when its
// length field is no number; zlib's code when decompression fails; and -3
// (damaged data) when the stream does not fill exactly the stated length or
// does not end exactly where the trailer begins.
bool decompressBuffer(QByteArray& source, QByteArray& target, int& error,
                      qint64 uncompressedLength = -1);

} // namespace orv::backup
