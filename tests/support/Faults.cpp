#include "support/Faults.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace orv::test {
namespace {

void setOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    syscall(SYS_capget, &header, data);
    const unsigned bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = on ? (data[0].effective | bits) : (data[0].effective & ~bits);
    syscall(SYS_capset, &header, data);
}

QString filler(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("enchimento"));
}

} // namespace

bool runningAsRoot() {
    return ::geteuid() == 0;
}

WithoutRootOverride::WithoutRootOverride() {
    if (runningAsRoot()) {
        setOverride(false);
    }
}

WithoutRootOverride::~WithoutRootOverride() {
    if (runningAsRoot()) {
        setOverride(true);
    }
}

SmallDisk::SmallDisk(const QString& folder) : folder_(folder) {
    if (!runningAsRoot()) {
        return;
    }
    QHash<QString, QByteArray> kept;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        kept.insert(name, fileBytes(dir.filePath(name)));
    }
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=2m") == 0;
    for (auto it = kept.cbegin(); mounted_ && it != kept.cend(); ++it) {
        writeFile(dir.filePath(it.key()), it.value());
    }
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
}

void SmallDisk::fill() {
    const int fd = ::open(QFile::encodeName(filler(folder_)).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    char block[4096] = {};
    while (::write(fd, block, sizeof block) > 0) {
    }
    // The last bytes that fit in a part of a block.
    while (::write(fd, block, 1) == 1) {
    }
    ::close(fd);
}

void SmallDisk::drain() {
    QFile::remove(filler(folder_));
}

} // namespace orv::test
