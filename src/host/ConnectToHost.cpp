#include "host/ConnectToHost.h"

#include "host/HostApplication.h"
#include "host/HostCallError.h"
#include "host/HostConnector.h"
#include "host/HostFailureText.h"
#include "host/HostPartProgram.h"
#include "host/HostSession.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <QStringList>

namespace korvex {
namespace {

constexpr int kHostNotRunning = 41;
constexpr int kStartHost = 42;
constexpr int kNoPartProgram = 43;
constexpr int kOpenPartProgram = 44;

// The paragraphs of a connection message, one blank line between them.
void tellUser(UserInteraction& user, const QStringList& paragraphs) {
    user.showMessage({
        .text = paragraphs.join(QStringLiteral("\r\n\r\n")),
        .title = QStringLiteral("KORVEX Connection"),
        .icon = MessageIcon::Critical,
    });
}

QString messageText(const LanguageTables& language, int entry) {
    return language.text(LanguageTable::MessageBoxen, entry);
}

bool attach(HostSession& session, HostConnector& connector, const LanguageTables& language,
            UserInteraction& user) {
    if (!connector.hostIsRunning()) {
        tellUser(user, {messageText(language, kHostNotRunning), messageText(language, kStartHost)});
        return false;
    }
    session.application = connector.application();
    session.partProgram = session.application ? session.application->activePartProgram() : nullptr;
    if (!session.partProgram) {
        tellUser(user, {messageText(language, kNoPartProgram), messageText(language, kOpenPartProgram)});
        return false;
    }
    const QString name = programNameOf(session.partProgram->fullName());
    session.commands = session.partProgram->commands();
    session.connectedProgramName = name;
    return true;
}

}  // namespace

bool connectToHost(HostSession& session, HostConnector& connector, const LanguageTables& language,
                   UserInteraction& user) {
    releaseHostObjects(session);
    session.connectedProgramName.clear();
    try {
        if (attach(session, connector, language, user))
            return true;
    } catch (const HostCallError& error) {
        tellUser(user, {messageText(language, kHostNotRunning), hostFailureText(language, error),
                        messageText(language, kStartHost)});
    }
    releaseHostObjects(session);
    return false;
}

}  // namespace korvex
