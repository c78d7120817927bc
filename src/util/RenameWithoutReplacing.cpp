#include "util/RenameWithoutReplacing.h"

#include <QFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <stdio.h>
#endif

namespace korvex {
namespace {

std::filesystem::path pathOf(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}

// A hard link fails when the name exists; the old name is removed once the new one holds the file.
RenameOutcome renameByLink(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::create_hard_link(pathOf(from), pathOf(to), error);
    if (error == std::errc::file_exists) {
        return RenameOutcome::TargetExists;
    }
    if (error) {
        return RenameOutcome::Failed;
    }
    std::filesystem::remove(pathOf(from), error);
    return RenameOutcome::Renamed;
}

}  // namespace

RenameOutcome renameWithoutReplacing(const QString& from, const QString& to) {
#ifdef Q_OS_LINUX
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
        return RenameOutcome::Renamed;
    }
    if (errno == EEXIST) {
        return RenameOutcome::TargetExists;
    }
    // File systems without the flag answer EINVAL; they still know hard links.
    if (errno != EINVAL && errno != ENOSYS) {
        return RenameOutcome::Failed;
    }
#endif
    return renameByLink(from, to);
}

}  // namespace korvex
