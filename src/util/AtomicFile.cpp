#include "util/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace korvex {

bool writeFileAtomically(const QString& path, const QByteArray& content,
                         std::optional<QFileDevice::Permissions> permissions) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        return false;
    }
    // A small file is still in the buffer here; commit() would rename it even when writing the buffer
    // out fails, so the buffer is written out and checked first.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    if (permissions && !file.setPermissions(*permissions)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool copyFileAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError || content.size() != in.size()) {
        return false;
    }
    return writeFileAtomically(target, content);
}

}  // namespace korvex
