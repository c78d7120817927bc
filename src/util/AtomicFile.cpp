#include "util/AtomicFile.h"

#include "util/FileContents.h"

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

}  // namespace

std::optional<QString> replaceFileAtomically(const QString& path, QByteArrayView content,
                                             std::optional<QFileDevice::Permissions> permissions) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (std::optional<QString> failure = writeAll(file, content, permissions)) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

bool copyFileAtomically(const QString& source, const QString& target) {
    const std::optional<QByteArray> content = readFileContents(source);
    return content && writeFileAtomically(target, *content);
}

}  // namespace korvex
