#include "app/core/HeaderDataFile.h"

#include "util/TextLines.h"

#include <QFile>

namespace korvex {

QStringList readHeaderDataNames(const ProgramFolder& folder, AnsiCodePage codePage) {
    QFile file(folder.fileToRead(kHeaderDataFile));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return splitLines(decodeAnsi(file.readAll(), codePage));
}

}  // namespace korvex
