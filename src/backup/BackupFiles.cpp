#include "backup/BackupFiles.h"

#include "backup/BackupErrors.h"
#include "backup/BackupFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::backup {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(QFileInfo(path).absoluteFilePath());
}

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, so that a failing close is seen; returns 0 or errno.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int lastFileError() {
    return fileErrorCode(errno);
}

// Flushes the folder that holds path, so that a rename in it is on the disk.
void syncFolder(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    Fd fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

int writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastFileError();
        }
        data += n;
        left -= n;
    }
    return err::None;
}

// The hidden name a file is written under before it is renamed into place.
QString siblingName(const QString& fileName, const QString& suffix) {
    return QStringLiteral(".%1.%2.tmp").arg(fileName, suffix);
}

// A hidden name beside path that is not taken yet, created and opened for writing.
int createSibling(const QString& path, QByteArray& created) {
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = siblingName(
            info.fileName(), QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                      QLatin1Char('0')));
        created = QFile::encodeName(info.absolutePath() + QLatin1Char('/') + name);
        const int fd = ::open(created.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Gives the file the permissions of the file it is about to replace, if any.
void keepPermissionsOf(const QByteArray& replaced, int fd) {
    struct stat st {};
    if (::stat(replaced.constData(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    }
}

using BufferRoutine = std::function<bool(QByteArray& source, QByteArray& target, int& error)>;

// The frame shared by compressFile and decompressFile: checks, one read, the
// buffer routine, one atomic write.
bool convertFile(const QString& source, const QString& target, int& error, bool replace,
                 const BufferRoutine& routine) {
    error = err::None;
    if (source.isEmpty() || target.isEmpty()) {
        return false;
    }
    if (!QFileInfo::exists(source)) {
        error = err::FileNotFound;
        return false;
    }
    if (!replace && QFileInfo::exists(target)) {
        return false;
    }
    QByteArray input;
    error = readWholeFile(source, input);
    if (error != err::None) {
        return false;
    }
    QByteArray output;
    if (!routine(input, output, error)) {
        return false;
    }
    input = QByteArray(); // the source image is not needed any more
    error = writeFileAtomically(target, output);
    return error == err::None;
}

} // namespace

int readWholeFile(const QString& path, QByteArray& bytes) {
    Fd fd(::open(native(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return lastFileError();
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return lastFileError();
    }
    if (S_ISDIR(st.st_mode)) {
        return fileErrorCode(EISDIR);
    }
    try {
        bytes = QByteArray(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        return err::OutOfMemory;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::read(fd.get(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return lastFileError();
        }
        if (n == 0) { // the file shrank while it was read
            return fileErrorCode(EIO);
        }
        done += n;
    }
    return err::None;
}

int writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QByteArray temporary;
    Fd fd(createSibling(path, temporary));
    if (fd.get() < 0) {
        return lastFileError();
    }
    const QByteArray target = native(path);
    keepPermissionsOf(target, fd.get());
    int error = writeAll(fd.get(), bytes);
    if (error == err::None && ::fsync(fd.get()) != 0) {
        error = lastFileError();
    }
    if (const int closeErrno = fd.close(); error == err::None && closeErrno != 0) {
        error = fileErrorCode(closeErrno);
    }
    if (error == err::None && ::rename(temporary.constData(), target.constData()) != 0) {
        error = lastFileError();
    }
    if (error != err::None) {
        ::unlink(temporary.constData());
        return error;
    }
    syncFolder(path);
    return err::None;
}

int replaceFile(const QString& from, const QString& to) {
    const QByteArray source = native(from);
    const QByteArray target = native(to);
    struct stat st {};
    if (::stat(target.constData(), &st) == 0) {
        ::chmod(source.constData(), st.st_mode & 07777);
    }
    if (::rename(source.constData(), target.constData()) != 0) {
        return lastFileError();
    }
    syncFolder(to);
    return err::None;
}

void removeWorkLeftovers(const QString& folder, const QString& workName) {
    QDir dir(folder);
    dir.remove(workName);
    const QStringList hidden = dir.entryList({siblingName(workName, QStringLiteral("*"))},
                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : hidden) {
        dir.remove(name);
    }
}

bool compressFile(const QString& source, const QString& target, int level, int& error,
                  bool replace) {
    return convertFile(source, target, error, replace,
                       [level](QByteArray& in, QByteArray& out, int& code) {
                           return compressBuffer(in, out, level, code, true);
                       });
}

bool decompressFile(const QString& source, const QString& target, int& error, bool replace) {
    return convertFile(source, target, error, replace,
                       [](QByteArray& in, QByteArray& out, int& code) {
                           return decompressBuffer(in, out, code, -1);
                       });
}

} // namespace orv::backup
