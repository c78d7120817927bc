#include "util/AtomicFile.h"

#include "util/FileContents.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace korvex {
namespace {

// The save file's own sync ignores errors; a delayed write error (a full disk seen at write-back, an
// I/O error) must stop the rename, so the sync is done and checked here.
std::optional<QString> syncToDisk(QSaveFile& file) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
#else
    Q_UNUSED(file);
#endif
    return std::nullopt;
}

// Everything up to the rename: after this, the bytes are on the disk or the reason is known.
std::optional<QString> writeAll(QSaveFile& file, QByteArrayView content,
                                std::optional<QFileDevice::Permissions> permissions) {
    // The save file buffers small writes: a write error may only surface when the buffer is flushed.
    if (file.write(content.data(), content.size()) != content.size() || !file.flush()) {
        return file.errorString();
    }
    if (permissions && !file.setPermissions(*permissions)) {
        return file.errorString();
    }
    return syncToDisk(file);
}

#ifdef Q_OS_LINUX
// A copy by the kernel: done, or not even begun because the kernel or the file system cannot copy
// between the two files.
struct KernelCopy {
    bool done = false;
    std::optional<QString> failure;
};

// The bytes of `source` into `target` by the kernel, without passing them through this program (and
// sharing the blocks where the file system can).
KernelCopy copyInKernel(const QFile& source, QSaveFile& target) {
    constexpr std::size_t kMostBytesPerCall = std::size_t{1} << 30;
    qint64 copied = 0;
    for (;;) {
        const ssize_t result =
            ::copy_file_range(source.handle(), nullptr, target.handle(), nullptr, kMostBytesPerCall, 0);
        if (result > 0) {
            copied += result;
            continue;
        }
        if (result == 0) {
            // The save file writes on behind the copied bytes.
            return {.done = true,
                    .failure = target.seek(copied) ? std::nullopt : std::optional(target.errorString())};
        }
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP;
        if (unsupported && copied == 0) {
            return {};
        }
        return {.done = true, .failure = QString::fromLocal8Bit(std::strerror(errno))};
    }
}
#endif

// The bytes of `source` into `target`: by the kernel where it can, else piece by piece.
std::optional<QString> copyContents(QFile& source, QSaveFile& target) {
#ifdef Q_OS_LINUX
    if (const KernelCopy copy = copyInKernel(source, target); copy.done) {
        return copy.failure;
    }
#endif
    constexpr qint64 kPieceBytes = 4 * 1024 * 1024;
    QByteArray piece(kPieceBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(piece.data(), kPieceBytes);
        if (read < 0) {
            return source.errorString();
        }
        if (read == 0) {
            return std::nullopt;
        }
        if (target.write(piece.constData(), read) != read) {
            return target.errorString();
        }
    }
}

// Commits the save file when nothing failed before, else drops it.
std::optional<QString> finish(QSaveFile& file, std::optional<QString> failure) {
    if (failure) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> replaceFileAtomically(const QString& path, QByteArrayView content,
                                             std::optional<QFileDevice::Permissions> permissions) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    return finish(file, writeAll(file, content, permissions));
}

std::optional<QString> appendToFileAtomically(const QString& path, QByteArrayView extra) {
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        return source.errorString();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    std::optional<QString> failure = copyContents(source, file);
    return finish(file, failure ? failure : writeAll(file, extra, std::nullopt));
}

bool copyFileAtomically(const QString& source, const QString& target) {
    const std::optional<QByteArray> content = readFileContents(source);
    return content && writeFileAtomically(target, *content);
}

}  // namespace korvex
