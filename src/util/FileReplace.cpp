#include "util/FileReplace.h"

#include <QSaveFile>

namespace korvex {

bool replaceFileContent(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    // flush() makes a full disk show here, before commit() renames the new file into place.
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() &&
           file.commit();
}

}  // namespace korvex
