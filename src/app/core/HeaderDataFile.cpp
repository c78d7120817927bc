#include "app/core/HeaderDataFile.h"

#include "util/AtomicFile.h"
#include "util/FileContents.h"
#include "util/TextLines.h"

namespace korvex {

std::optional<QStringList> readHeaderDataFile(const ProgramFolder& folder, AnsiCodePage codePage) {
    const std::optional<QByteArray> bytes = readFileContents(folder.fileToRead(kHeaderDataFile));
    return bytes ? std::optional(splitLines(decodeAnsi(*bytes, codePage))) : std::nullopt;
}

QStringList readHeaderDataNames(const ProgramFolder& folder, AnsiCodePage codePage) {
    return readHeaderDataFile(folder, codePage).value_or(QStringList());
}

bool writeHeaderDataNames(const ProgramFolder& folder, const QStringList& names, AnsiCodePage codePage) {
    return writeFileAtomically(folder.fileToWrite(kHeaderDataFile), joinAnsiLines(names, codePage).bytes);
}

}  // namespace korvex
