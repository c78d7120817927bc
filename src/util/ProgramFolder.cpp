#include "util/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace korvex {

QString programFolder() {
    const QString moved = qEnvironmentVariable(kProgramFolderVariable);
    if (!moved.isEmpty()) {
        return QDir::cleanPath(QDir(moved).absolutePath());
    }
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath();
    }
    return QDir::currentPath();
}

QString languageFolder(const QString& programFolderPath) {
    return programFolderPath + QStringLiteral("/LanguageFiles");
}

}  // namespace korvex
