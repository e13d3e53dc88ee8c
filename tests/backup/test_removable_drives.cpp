#include "backup/RemovableDrives.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv::backup;

// A sysfs of its own: each disk under devices/ with its removable flag, maybe a
// partition and a device type, its block names linked from class/block.
TEST(RemovableDrives, TheKernelTellsWhichDisksAreRemovable) {
    QTemporaryDir sys;
    QDir().mkpath(sys.filePath("class/block"));
    const auto write = [&](const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(sys.filePath(path)).path());
        QFile f(sys.filePath(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    const struct {
        QString disk, removable, partition, type, slave;
    } disks[] = {
        {"pci0/ata1/block/sda", "0", "sda1", "", ""},
        {"pci0/usb2/2-1/block/sdb", "0", "sdb1", "", ""},
        {"pci0/ata2/block/sdc", "1", "", "", ""},
        {"mmc0/mmc0:1/block/mmcblk0", "0", "mmcblk0p1", "SD\n", ""},
        {"mmc1/mmc1:1/block/mmcblk1", "0", "mmcblk1p1", "MMC\n", ""},
        {"virtual/block/dm-0", "0", "", "", "sdb1"}, // an encrypted stick
        {"virtual/block/dm-1", "0", "", "", "sda1"},
    };
    for (const auto& d : disks) {
        const QString disk = "devices/" + d.disk;
        const QString block = d.partition.isEmpty() ? disk : disk + "/" + d.partition;
        write(disk + "/removable", d.removable.toLatin1());
        if (!d.partition.isEmpty()) {
            write(block + "/partition", "1");
        }
        write(disk + "/device/type", d.type.toLatin1());
        QFile::link(sys.filePath(block),
                    sys.filePath("class/block/" + QFileInfo(block).fileName()));
        if (!d.slave.isEmpty()) {
            QDir().mkpath(sys.filePath(disk + "/slaves"));
            QFile::link(sys.filePath("class/block/" + d.slave), sys.filePath(disk + "/slaves/x"));
        }
    }
    const struct {
        const char* device;
        bool removable;
    } cases[] = {
        {"/dev/sda1", false},     {"/dev/sdb1", true},       {"/dev/sdc", true},
        {"/dev/mmcblk0p1", true}, {"/dev/mmcblk1p1", false}, {"/dev/mapper/dm-0", true},
        {"/dev/dm-1", false},     {"/dev/nvme0n1p1", false}, {"server:/home", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRemovableDevice(c.device, sys.path()), c.removable) << c.device;
    }
}
