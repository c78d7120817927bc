#include "app/core/CreateBatchFile.h"

#include "util/AtomicFile.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kWorkbookOrLayoutMissingEntry = 70;
constexpr int kSecondWorkbookMissingEntry = 71;
constexpr int kFileNotWrittenEntry = 72;
// StatusBar entry.
constexpr int kBatchFileWrittenStatus = 26;

struct PlatformBatchFile {
    QString path;
    QByteArray content;
    std::optional<QFileDevice::Permissions> permissions;
};

PlatformBatchFile platformBatchFile(const BatchRequest& request, const QString& programPath) {
#ifdef Q_OS_WIN
    return {batchFilePath(request.workbook1, QStringLiteral(".bat")), windowsBatchText(programPath, request),
            std::nullopt};
#else
    constexpr auto kExecutable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther;
    return {batchFilePath(request.workbook1, QStringLiteral(".sh")),
            shellScriptText(programPath, batchArguments(request)), kExecutable};
#endif
}

bool isComplete(const BatchRequest& request, const LanguageTables& language, UserInteraction& user) {
    switch (problemOf(request)) {
        case BatchRequestProblem::None:
            return true;
        case BatchRequestProblem::WorkbookOrLayoutMissing:
            showMessageBoxen(user, language, MessageIcon::Warning, {kWorkbookOrLayoutMissingEntry});
            return false;
        case BatchRequestProblem::SecondWorkbookMissing:
            showMessageBoxen(user, language, MessageIcon::Warning, {kSecondWorkbookMissingEntry});
            return false;
    }
    return false;
}

}  // namespace

std::optional<QString> createBatchFile(const BatchRequest& request, const QString& programPath,
                                       const LanguageTables& language, UserInteraction& user) {
    if (!isComplete(request, language, user)) {
        return std::nullopt;
    }
    const PlatformBatchFile file = platformBatchFile(request, programPath);
    if (!writeFileAtomically(file.path, file.content, file.permissions)) {
        showMessageBoxenWithDetail(user, language, MessageIcon::Critical, kFileNotWrittenEntry, file.path);
        return std::nullopt;
    }
    user.setStatusText(language.text(LanguageTable::StatusBar, kBatchFileWrittenStatus) + u' ' + file.path);
    return file.path;
}

}  // namespace korvex
