#include "util/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvex {
namespace {

QString cleanAbsolute(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

QString executableFolder() {
    return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                   : QDir::currentPath();
}

QString userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/korvex-tabulor");
}

}  // namespace

ProgramFolder::ProgramFolder(const QString& folder) : ProgramFolder(folder, folder) {}

ProgramFolder::ProgramFolder(const QString& writable, const QString& shipped)
    : writable_(writable), shipped_(shipped) {}

QString ProgramFolder::fileToRead(QStringView relativePath) const {
    const QString own = writable_ + u'/' + relativePath.toString();
    return QFileInfo::exists(own) ? own : shipped_ + u'/' + relativePath.toString();
}

QString ProgramFolder::fileToWrite(QStringView relativePath) const {
    const QString path = writable_ + u'/' + relativePath.toString();
    QDir().mkpath(QFileInfo(path).path());
    return path;
}

ProgramFolder chooseProgramFolder(const ProgramFolderPlaces& places) {
    if (!places.movedTo.isEmpty()) {
        return ProgramFolder(cleanAbsolute(places.movedTo));
    }
    const QString executable = cleanAbsolute(places.executableFolder);
    if (QFileInfo(languageFolder(executable)).isDir()) {
        return places.executableFolderWritable ? ProgramFolder(executable)
                                               : ProgramFolder(places.userFolder, executable);
    }
    return {places.userFolder, QDir::cleanPath(executable + u'/' + QStringLiteral(KORVEX_SHIPPED_FOLDER))};
}

ProgramFolder programFolder() {
    const QString executable = executableFolder();
    const ProgramFolder folder =
        chooseProgramFolder({.movedTo = qEnvironmentVariable(kProgramFolderVariable),
                             .executableFolder = executable,
                             .executableFolderWritable = QFileInfo(executable).isWritable(),
                             .userFolder = userFolder()});
    if (folder.writable() != folder.shipped()) {
        QDir().mkpath(folder.writable());
    }
    return folder;
}

QString languageFolder(const QString& programFolderPath) {
    return programFolderPath + QStringLiteral("/LanguageFiles");
}

}  // namespace korvex
