#pragma once

#include <QString>

namespace orv::test {

bool runningAsRoot();

// Root writes whatever a file's mode says; while this lives, this thread does not,
// so a read-only file or folder counts for root too.
class WithoutRootOverride {
public:
    WithoutRootOverride();
    ~WithoutRootOverride();
    WithoutRootOverride(const WithoutRootOverride&) = delete;
    WithoutRootOverride& operator=(const WithoutRootOverride&) = delete;
};

// A small tmpfs mounted over a folder (root only), holding what the folder held;
// fill() takes up its last free byte, drain() frees the room again.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }
    void fill();
    void drain();

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace orv::test
