#include "backup/BackupFormat.h"

#include "backup/BackupErrors.h"

#include <cmath>
#include <new>
#include <zlib.h>

namespace orv::backup {

namespace {

// A zlib stream cannot inflate to more than about 1032 times its own size; a
// trailer that claims more is damaged, and no buffer is made for it.
constexpr qint64 kMaxInflateRatio = 1032;
constexpr qint64 kInflateSlack = 4096;

// Reads the length field of the trailer at the end of source into length;
// returns the error code (0 when it was read).
int readTrailer(const QByteArray& source, qint64& length) {
    if (source.size() < kTrailerSize) {
        return err::BadTrailer;
    }
    const char* trailer = source.constData() + source.size() - kTrailerSize;
    for (int i = 0; i < 5; ++i) {
        if (trailer[i] != 0) {
            return err::BadTrailer;
        }
    }
    qint64 value = 0;
    int digits = 0;
    for (int i = 5; i < kTrailerSize && trailer[i] != 0; ++i, ++digits) {
        if (trailer[i] < '0' || trailer[i] > '9') {
            return err::TypeMismatch;
        }
        value = value * 10 + (trailer[i] - '0');
    }
    if (digits == 0) {
        return err::TypeMismatch;
    }
    length = value;
    return err::None;
}

} // namespace

qint64 compressTargetSize(qint64 sourceLength) {
    const double size =
        static_cast<double>(sourceLength) * 0.001 + 15.0 + static_cast<double>(sourceLength);
    return static_cast<qint64>(std::nearbyint(size)); // the default mode rounds halves to even
}

QByteArray lengthTrailer(qint64 length) {
    QByteArray trailer(kTrailerSize, '\0');
    const QByteArray digits = QByteArray::number(length);
    Q_ASSERT(digits.size() <= kLengthFieldSize);
    trailer.replace(5, digits.size(), digits);
    return trailer;
}

bool compressBuffer(const QByteArray& source, QByteArray& target, int level, int& error,
                    bool addTrailer) {
    error = err::None;
    const qint64 length = source.size();
    if (length == 0) {
        return true;
    }
    const qint64 bufferSize = compressTargetSize(length);
    try {
        // Room for the trailer too, so that appending it never moves the data.
        target = QByteArray(bufferSize + kTrailerSize, Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        error = err::OutOfMemory;
        return false;
    }
    uLongf written = static_cast<uLongf>(bufferSize);
    error = compress2(reinterpret_cast<Bytef*>(target.data()), &written,
                      reinterpret_cast<const Bytef*>(source.constData()),
                      static_cast<uLong>(length), level);
    if (error != Z_OK) {
        target.clear();
        return false;
    }
    const auto n = static_cast<qsizetype>(written);
    if (addTrailer) {
        const QByteArray trailer = lengthTrailer(length);
        std::copy(trailer.cbegin(), trailer.cend(), target.begin() + n);
        target.resize(n + kTrailerSize);
    } else {
        target.resize(n);
    }
    return true;
}

bool decompressBuffer(QByteArray& source, QByteArray& target, int& error,
                      qint64 uncompressedLength) {
    error = err::None;
    if (source.isEmpty()) {
        return true;
    }
    qint64 length = uncompressedLength;
    if (length == -1) {
        error = readTrailer(source, length);
        if (error != err::None) {
            return false;
        }
        source.chop(kTrailerSize);
    }
    if (length < 0 || length > source.size() * kMaxInflateRatio + kInflateSlack) {
        error = err::LengthMismatch;
        return false;
    }
    try {
        target = QByteArray(length, Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        error = err::OutOfMemory;
        return false;
    }
    uLongf written = static_cast<uLongf>(length);
    uLong consumed = static_cast<uLong>(source.size());
    error = uncompress2(reinterpret_cast<Bytef*>(target.data()), &written,
                        reinterpret_cast<const Bytef*>(source.constData()), &consumed);
    if (error == Z_OK && (static_cast<qint64>(written) != length ||
                          static_cast<qint64>(consumed) != source.size())) {
        error = err::LengthMismatch;
    }
    if (error != Z_OK) {
        target.clear();
        return false;
    }
    return true;
}

} // namespace orv::backup
