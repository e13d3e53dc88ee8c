#include "backup/BackupErrors.h"
#include "backup/BackupFiles.h"
#include "backup/BackupFormat.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <zlib.h>

using namespace orv;
using namespace orv::backup;
using orv::test::backupImage;

namespace {

// Text-like bytes that compress well but not trivially.
QByteArray sampleBytes(qsizetype length) {
    QRandomGenerator random(7);
    const QByteArray words[] = {"Compromisso ", "Tarefas ", "Notas ", "\0\0\0\1", "42 "};
    QByteArray bytes;
    while (bytes.size() < length) {
        bytes += words[random.bounded(5)];
    }
    return bytes.left(length);
}

int decompressError(QByteArray image) {
    QByteArray target;
    int error = 0;
    EXPECT_FALSE(decompressBuffer(image, target, error, -1));
    return error;
}

} // namespace

TEST(BackupFormat, TheBufferHoldsAnyCompressedStream) {
    for (qint64 length : {1LL, 17LL, 4096LL, 50'000'000LL}) {
        EXPECT_GE(compressTargetSize(length), static_cast<qint64>(compressBound(length)));
    }
}

TEST(BackupFormat, StreamAndTrailerOfAMegabyte) {
    const QByteArray data = sampleBytes(1048576);
    const QByteArray image = backupImage(data);
    ASSERT_GT(image.size(), 17);
    EXPECT_EQ(image.right(17), QByteArray("\0\0\0\0\0"
                                          "1048576\0\0\0\0\0",
                                          17));

    // The stream is exactly what zlib's compress2 writes at level 9.
    const QByteArray stream = image.chopped(17);
    QByteArray reference(compressBound(data.size()), '\0');
    uLongf referenceLength = reference.size();
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(reference.data()), &referenceLength,
                        reinterpret_cast<const Bytef*>(data.constData()), data.size(), 9),
              Z_OK);
    EXPECT_EQ(stream, reference.left(referenceLength));

    // Back again: the trailer is cut off the source.
    QByteArray source = image;
    QByteArray target;
    int error = -99;
    ASSERT_TRUE(decompressBuffer(source, target, error, -1));
    EXPECT_EQ(error, 0);
    EXPECT_EQ(source, stream);
    EXPECT_EQ(target, data);
    EXPECT_EQ(backupImage("x").right(12), QByteArray("1\0\0\0\0\0\0\0\0\0\0\0", 12));
}

TEST(BackupFormat, DamagedImagesAreRefusedWithTheirCodes) {
    const QByteArray data = sampleBytes(200000);
    const QByteArray image = backupImage(data);
    const qsizetype n = image.size() - 17;
    const QByteArray stream = image.left(n);

    QByteArray badTrailer = image;
    badTrailer[n + 2] = 1;
    EXPECT_EQ(decompressError(badTrailer), err::BadTrailer);
    EXPECT_EQ(decompressError(QByteArray(16, '\0')), err::BadTrailer);
    QByteArray letters = image;
    letters.replace(n + 5, 3, "1a4");
    EXPECT_EQ(decompressError(letters), err::TypeMismatch);
    EXPECT_EQ(decompressError(stream + QByteArray(17, '\0')), err::TypeMismatch);

    // The stated length disagrees with the stream, either way; an impossible one
    // gets no buffer at all.
    EXPECT_EQ(decompressError(stream + lengthTrailer(data.size() + 1)), err::LengthMismatch);
    EXPECT_EQ(decompressError(stream + lengthTrailer(data.size() - 1)), Z_BUF_ERROR);
    EXPECT_EQ(decompressError(stream + lengthTrailer(99999999999LL)), err::LengthMismatch);

    // Truncated, followed by junk, bit-flipped.
    EXPECT_EQ(decompressError(stream.left(n / 2) + lengthTrailer(data.size())), Z_DATA_ERROR);
    EXPECT_EQ(decompressError(stream + "junk" + lengthTrailer(data.size())), err::LengthMismatch);
    QByteArray flipped = image;
    flipped[n / 2] = static_cast<char>(flipped[n / 2] ^ 0x55);
    EXPECT_LT(decompressError(flipped), 0);
}

TEST(BackupFiles, FileRoutinesReplaceWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString data = dir.filePath("dadosn.lst");
    const QString backup = dir.filePath("Orvalune.Bck");
    const QString restored = dir.filePath("restored.lst");
    const QByteArray content = sampleBytes(300000);
    test::writeFile(data, content);

    int error = -99;
    ASSERT_TRUE(compressFile(data, backup, 9, error, true));
    EXPECT_EQ(test::fileBytes(backup), backupImage(content));
    const QByteArray backupBytes = test::fileBytes(backup);

    // A replaced file keeps its permissions.
    test::writeFile(restored, "old");
    ::chmod(QFile::encodeName(restored).constData(), 0604);
    ASSERT_TRUE(decompressFile(backup, restored, error, true));
    EXPECT_EQ(test::fileBytes(restored), content);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(restored).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);

    EXPECT_FALSE(compressFile(data, backup, 9, error, false));
    EXPECT_EQ(error, 0);
    EXPECT_FALSE(compressFile(dir.filePath("missing.lst"), backup, 9, error, true));
    EXPECT_EQ(error, err::FileNotFound);

    // Failures after the checks leave the old target whole.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.lst"));
    EXPECT_FALSE(compressFile(dir.filePath("folder.lst"), backup, 9, error, true));
    EXPECT_GT(error, 0);
    EXPECT_EQ(test::fileBytes(backup), backupBytes);
    QByteArray damaged = backupBytes;
    damaged[damaged.size() - 15] = 'x';
    test::writeFile(backup, damaged);
    EXPECT_FALSE(decompressFile(backup, restored, error, true));
    EXPECT_EQ(error, err::BadTrailer);
    EXPECT_EQ(test::fileBytes(restored), content);

    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(".tmp").isEmpty());
}
