#include "app/core/PartProgramCopy.h"

#include "host/ConnectToHost.h"
#include "host/HostCallError.h"
#include "host/HostPartProgram.h"
#include "host/HostSession.h"
#include "util/AtomicFile.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/PathExtension.h"
#include "util/UserInteraction.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kHostSaveFailedEntry = 73;
constexpr int kFileNotWrittenEntry = 72;
constexpr int kProgramFileUnreadableEntry = 74;
// StatusBar entry.
constexpr int kCopyWrittenStatus = 25;

bool isUnsafeInFileName(QChar ch) {
    return ch.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(ch);
}

bool saveInHost(HostPartProgram& program, const LanguageTables& language, UserInteraction& user) {
    try {
        program.save();
        return true;
    } catch (const HostCallError& error) {
        showMessageBoxenWithDetail(user, language, MessageIcon::Critical, kHostSaveFailedEntry,
                                   error.message());
        return false;
    }
}

}  // namespace

std::optional<OpenPartProgram> openPartProgram(HostConnector& connector, const LanguageTables& language,
                                               UserInteraction& user) {
    HostSession session;
    if (!connectToHost(session, connector, language, user)) {
        return std::nullopt;
    }
    try {
        return OpenPartProgram{session.partProgram, session.partProgram->fileName()};
    } catch (const HostCallError& error) {
        showMessageBoxenWithDetail(user, language, MessageIcon::Critical, kProgramFileUnreadableEntry,
                                   error.message());
        return std::nullopt;
    }
}

PartProgramCopyName partProgramCopyName(const QString& programFile, const QDateTime& moment) {
    return {.programName = pathWithoutExtension(programFile),
            .date = moment.toString(QStringLiteral("dd-MM-yyyy")),
            .time = moment.toString(QStringLiteral("hh-mm-ss"))};
}

QString safePartIdentification(const QString& typed) {
    QString safe = typed;
    for (QChar& ch : safe) {
        if (isUnsafeInFileName(ch)) {
            ch = u'_';
        }
    }
    return safe;
}

QString partProgramCopyPath(const PartProgramCopyName& name, const QString& partIdentification) {
    const QString separator = QStringLiteral("__");
    return name.programName + separator + name.date + separator + name.time + separator +
           safePartIdentification(partIdentification) + QStringLiteral(".sav");
}

bool savePartProgramCopy(HostPartProgram& program, const QString& programFile, const QString& copyPath,
                         const LanguageTables& language, UserInteraction& user) {
    if (!saveInHost(program, language, user)) {
        return false;
    }
    // A part program without a file of its own (or a relative name) must not turn into a copy in
    // whatever folder the program happens to run in.
    if (!QDir::isAbsolutePath(programFile) || !QFileInfo(programFile).isFile()) {
        showMessageBoxenWithDetail(user, language, MessageIcon::Critical, kProgramFileUnreadableEntry,
                                   programFile);
        return false;
    }
    if (!copyFileAtomically(programFile, copyPath)) {
        showMessageBoxenWithDetail(user, language, MessageIcon::Critical, kFileNotWrittenEntry, copyPath);
        return false;
    }
    user.setStatusText(language.text(LanguageTable::StatusBar, kCopyWrittenStatus) + u' ' + copyPath);
    return true;
}

}  // namespace korvex
