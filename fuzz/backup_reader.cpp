// libFuzzer target: any bytes offered as the backup on the drive. The reader
// must never crash, must report failure exactly when it sets an error code, and
// the restore must leave the data file untouched unless it replaced it with a
// whole data file; no work file may be left behind.

#include "backup/BackupCommands.h"
#include "backup/BackupDrive.h"
#include "backup/BackupFormat.h"
#include "db/Schema.h"
#include "session/AppContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

class AlwaysConfirm final : public orv::Messages {
public:
    bool show(const QString&, int, int) override { return true; }
    void showStandard(const QString&, Standard) override {}
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::abort();
    }
}

struct Program {
    QTemporaryDir dir;
    orv::Paths paths;
    orv::FixedClock clock;
    AlwaysConfirm messages;
    std::unique_ptr<orv::AppContext> ctx;
    std::unique_ptr<orv::backup::BackupCommands> commands;
    QByteArray dataFile;

    Program() {
        paths.programFolder = dir.path();
        paths.v1Folder = dir.filePath(QStringLiteral("v1"));
        paths.backupFolder = dir.filePath(QStringLiteral("drive"));
        QDir(dir.path()).mkpath(QStringLiteral("drive"));
        orv::createDataFile(paths.dataFile());
        dataFile = readAll(paths.dataFile());
        ctx = std::make_unique<orv::AppContext>(paths, clock, messages);
        commands = std::make_unique<orv::backup::BackupCommands>(*ctx);
    }
};

// The length the trailer states, or -1.
qint64 statedLength(const QByteArray& image) {
    if (image.size() < orv::backup::kTrailerSize) {
        return -1;
    }
    const QByteArray field = image.right(orv::backup::kTrailerSize - 5);
    bool ok = false;
    const qint64 length = field.left(field.indexOf('\0')).toLongLong(&ok);
    return ok ? length : -1;
}

void checkBufferReader(const QByteArray& image) {
    QByteArray source = image;
    QByteArray target;
    int error = 0;
    const bool ok = orv::backup::decompressBuffer(source, target, error, -1);
    if (ok != (error == 0)) {
        std::abort();
    }
    if (ok && !image.isEmpty() && target.size() != statedLength(image)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Program program;
    const QByteArray image(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkBufferReader(image);

    writeAll(QDir(program.paths.backupFolder).filePath(orv::backup::kBackupFileName), image);
    const bool restored = program.commands->restoreAtLogon();
    const QByteArray now = readAll(program.paths.dataFile());
    if (!restored && now != program.dataFile) {
        std::abort();
    }
    if (restored) {
        writeAll(program.paths.dataFile(), program.dataFile);
    }
    if (QFile::exists(QDir(program.paths.programFolder).filePath(orv::backup::kBackupFileName))) {
        std::abort();
    }
    return 0;
}
