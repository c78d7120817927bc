#include "report/OfficeSuite.h"

#include "report/OfficePluginEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace korvex {
namespace {

const QString kPluginFileName = QStringLiteral("libkorvex-calc.so");

std::variant<OfficeSuite, OfficeSuiteMissing> loadPlugin(const QString& path) {
    QLibrary library(path);
    if (!library.load()) {
        return OfficeSuiteMissing{library.errorString()};
    }
    const auto create = reinterpret_cast<CreateOfficeBackend>(library.resolve(kCreateOfficeBackendSymbol));
    const auto readVersion = reinterpret_cast<ReadOfficeVersion>(library.resolve(kReadOfficeVersionSymbol));
    if (create == nullptr || readVersion == nullptr) {
        return OfficeSuiteMissing{QStringLiteral("%1 is no office-suite plugin").arg(path)};
    }
    std::unique_ptr<SpreadsheetBackend> backend(create());
    if (!backend) {
        return OfficeSuiteMissing{QStringLiteral("the office suite the plugin drives is not installed")};
    }
    OfficeSuite suite{std::move(backend), {}};
    readVersion(suite.version);
    return suite;
}

}  // namespace

QStringList officePluginFolders() {
    if (qEnvironmentVariableIsSet(kOfficePluginFolderVariable)) {
        return {qEnvironmentVariable(kOfficePluginFolderVariable)};
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/" KORVEX_PLUGIN_FOLDER))};
}

std::variant<OfficeSuite, OfficeSuiteMissing> loadOfficeSuite(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = folder + u'/' + kPluginFileName;
        if (!folder.isEmpty() && QFileInfo::exists(path)) {
            return loadPlugin(path);
        }
    }
    return OfficeSuiteMissing{QStringLiteral("no office-suite plugin in %1").arg(folders.join(u", "))};
}

}  // namespace korvex
