#include "app/core/WorkbookReportOutput.h"

#include "app/core/CharacteristicDisplay.h"
#include "app/core/Session.h"
#include "characteristics/HostFailureMessage.h"
#include "host/HostCallError.h"
#include "host/HostPartProgram.h"
#include "output/AsciiWriter.h"
#include "report/layout/LayoutFile.h"
#include "settings/SettingTexts.h"

#include <QDateTime>
#include <QLocale>

namespace korvex {

bool WorkbookReportOutput::importLayout(const QString& layoutFile) {
    QString path = layoutFile;
    const int headerCount = static_cast<int>(parts_.session.headerData.variables().size());
    return importLayoutFile(path, parts_.session.settings, headerCount, parts_.session.language.codePage());
}

bool WorkbookReportOutput::fillReport(const QString& workbook, bool onlySelected,
                                      const Selection& selection) {
    Session& session = parts_.session;
    PartProgramNames program;
    try {
        if (session.host.partProgram != nullptr) {
            program = readPartProgramFacts(*session.host.partProgram).names;
        }
    } catch (const HostCallError& error) {
        tellHostFailure(parts_.user, session.language, error.message());
        return false;
    }
    const bool toleranceRule =
        textSwitchIsOn(session.settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")));
    QStringList entryTexts;
    for (const CharacteristicRecord& row : session.values.rows()) {
        entryTexts.append(listEntryText(row, toleranceRule));
    }
    ReportSources sources{session.values, entryTexts, selection, session.headerData, program};
    const ReportEnvironment environment{session.settings,
                                        session.language,
                                        parts_.user,
                                        parts_.spreadsheets,
                                        {QDateTime::currentDateTime(), QLocale()},
                                        parts_.chooseSavePath};
    return korvex::fillReport({workbook, onlySelected, readOnlyChoice_}, sources, environment).saved;
}

}  // namespace korvex
