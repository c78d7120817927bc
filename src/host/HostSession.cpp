#include "host/HostSession.h"

#include "host/HostApplication.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"

#include <algorithm>

namespace korvex {

QString programNameOf(const QString& fullName) {
    constexpr qsizetype kExtensionLength = 4;
    return fullName.left(std::max<qsizetype>(0, fullName.size() - kExtensionLength));
}

void releaseHostObjects(HostSession& session) {
    session.commands.reset();
    session.partProgram.reset();
    session.application.reset();
}

}  // namespace korvex
