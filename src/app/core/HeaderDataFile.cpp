#include "app/core/HeaderDataFile.h"

#include "util/TextLines.h"

#include <QFile>

namespace korvex {

QString headerDataFilePath(const QString& programFolderPath) {
    return programFolderPath + QStringLiteral("/HeaderData.cfg");
}

QStringList readHeaderDataNames(const QString& programFolderPath, AnsiCodePage codePage) {
    QFile file(headerDataFilePath(programFolderPath));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return splitLines(decodeAnsi(file.readAll(), codePage));
}

}  // namespace korvex
