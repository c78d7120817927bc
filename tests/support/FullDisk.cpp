#include "support/FullDisk.h"

#include "support/FileSizeLimit.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvex::test {

bool passesUnderFileSizeLimit(long limitBytes, const std::function<bool()>& step) {
    const pid_t child = ::fork();
    if (child == 0) {
        const FileSizeLimit limit(static_cast<rlim_t>(limitBytes));
        ::_exit(step() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

SmallTmpfs::SmallTmpfs(long sizeBytes)
    : path_(QDir::temp().filePath(QStringLiteral("korvex-tmpfs-%1").arg(::getpid()))) {
    QDir().mkpath(path_);
    const QByteArray options = "size=" + QByteArray::number(static_cast<qlonglong>(sizeBytes));
    mounted_ = ::mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallTmpfs::~SmallTmpfs() {
    if (mounted_) {
        ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    }
    QDir(path_).removeRecursively();
}

void SmallTmpfs::fillUpTo(long leftBytes) const {
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(path_).constData(), &disk) != 0) {
        return;
    }
    const auto available = static_cast<long>(disk.f_bavail * disk.f_frsize);
    QFile filler(QDir(path_).filePath(QStringLiteral("filler")));
    if (available > leftBytes && filler.open(QIODevice::WriteOnly)) {
        filler.write(QByteArray(available - leftBytes, '\0'));
    }
}

}  // namespace korvex::test
