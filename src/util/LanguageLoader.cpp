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

bool copyFileAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray content = in.readAll();
    return in.error() == QFileDevice::NoError && !replaceFileAtomically(target, content).has_value();
}

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

QString activeLanguageFilePath(const QString& programFolderPath) {
    return languageFolder(programFolderPath) + QStringLiteral("/resource.dll");
}

bool loadLanguageFile(const QString& path, LanguageTables& tables) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    bool complete = file.error() == QFileDevice::NoError;

    std::optional<LanguageTable> current;
    for (const QString& line : splitLines(decodeAnsi(bytes))) {
        if (const auto header = tableOfHeaderLine(line)) {
            current = header;
            tables.beginSection(*current, line);
        } else if (current && !tables.appendEntry(*current, line)) {
            complete = false;
        }
    }
    return complete;
}

void changeLanguage(const QString& language, const QString& programFolderPath, LanguageTables& tables,
                    UserInteraction& user) {
    const QString sourcePath = languageFolder(programFolderPath) + u'/' + language + QStringLiteral(".dll");
    if (!QFile::exists(sourcePath)) {
        tellMissingFile(sourcePath, user);
        return;
    }
    // A read-only program folder cannot take the active copy; the chosen file itself is read then,
    // so the language still changes.
    const QString activePath = activeLanguageFilePath(programFolderPath);
    const QString pathToRead = copyFileAtomically(sourcePath, activePath) ? activePath : sourcePath;
    if (!loadLanguageFile(pathToRead, tables)) {
        tellUnusableFile(user);
    }
}

}  // namespace korvex
