#include "util/LanguageLoader.h"

#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/LanguageTables.h"
#include "util/ProgramFolder.h"
#include "util/TextLines.h"
#include "util/UserInteraction.h"

#include <QFile>

namespace korvex {
namespace {

constexpr QStringView kActiveLanguageFile = u"LanguageFiles/resource.dll";

void tellMissingFile(const QString& sourcePath, UserInteraction& user) {
    user.showMessage({.text = QStringLiteral("Language file %1 did not exist.").arg(sourcePath),
                      .icon = MessageIcon::Information});
}

void tellUnusableFile(UserInteraction& user) {
    user.showMessage(
        {.text = QStringLiteral("Unable to use selected language file. Please choose another language or "
                                "check, that the selected language file exist on your system."),
         .icon = MessageIcon::Critical});
}

}  // namespace

QString activeLanguageFilePath(const ProgramFolder& folder) {
    return folder.writable() + u'/' + kActiveLanguageFile.toString();
}

QString languageFilePath(const ProgramFolder& folder, const QString& language) {
    return folder.fileToRead(QStringLiteral("LanguageFiles/") + language + QStringLiteral(".dll"));
}

bool loadLanguageFile(const QString& path, LanguageTables& tables) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    bool complete = file.error() == QFileDevice::NoError;

    std::optional<LanguageTable> current;
    for (const QString& line : splitLines(decodeAnsi(bytes, tables.codePage()))) {
        if (const auto header = tableOfHeaderLine(line)) {
            current = header;
            tables.beginSection(*current, line);
        } else if (current && !tables.appendEntry(*current, line)) {
            complete = false;
        }
    }
    return complete;
}

bool changeLanguage(const QString& language, const ProgramFolder& folder, LanguageTables& tables,
                    UserInteraction& user) {
    const QString sourcePath = languageFilePath(folder, language);
    if (!QFile::exists(sourcePath)) {
        tellMissingFile(sourcePath, user);
        return false;
    }
    // A read-only program folder cannot take the active copy; the chosen file itself is read then,
    // so the language still changes.
    const QString activePath = folder.fileToWrite(kActiveLanguageFile);
    const QString pathToRead = copyFileAtomically(sourcePath, activePath) ? activePath : sourcePath;
    tables.setCodePage(codePageOfLanguage(language));
    if (!loadLanguageFile(pathToRead, tables)) {
        tellUnusableFile(user);
        return false;
    }
    return true;
}

}  // namespace korvex
