#pragma once

#include <QString>

#include <functional>

namespace korvex::test {

// Runs `step` in a forked child under a FileSizeLimit of `limitBytes` (writes past the limit fail with
// EFBIG, as a program that handles its errors would see them), so the test process itself stays unlimited.
// The child reports whether `step` returned true; it must not use gtest assertions.
bool passesUnderFileSizeLimit(long limitBytes, const std::function<bool()>& step);

// A small tmpfs mounted on a fresh folder for the life of the object: a real full disk. Mounting needs
// the right to mount (root outside a restricted container); `mounted()` says whether it worked.
class SmallTmpfs {
  public:
    explicit SmallTmpfs(long sizeBytes);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return path_; }
    // Writes a file of zeros until the disk has no more than `leftBytes` free.
    void fillUpTo(long leftBytes) const;

  private:
    QString path_;
    bool mounted_ = false;
};

}  // namespace korvex::test
