#include "app/core/HeaderDataFile.h"

#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/TextLines.h"

#include <QFile>

namespace korvex {

QString headerDataFilePath(const QString& programFolderPath) {
    return programFolderPath + QStringLiteral("/HeaderData.cfg");
}

std::optional<QStringList> readHeaderDataFile(const QString& programFolderPath) {
    QFile file(headerDataFilePath(programFolderPath));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return splitLines(decodeAnsi(bytes));
}

QStringList readHeaderDataNames(const QString& programFolderPath) {
    return readHeaderDataFile(programFolderPath).value_or(QStringList());
}

bool writeHeaderDataNames(const QString& programFolderPath, const QStringList& names) {
    return writeFileAtomically(headerDataFilePath(programFolderPath), joinAnsiLines(names));
}

}  // namespace korvex
