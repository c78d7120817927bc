#include "app/core/WorkbookReportOutput.h"

#include "app/core/CharacteristicDisplay.h"
#include "app/core/Session.h"
#include "characteristics/HostFailureMessage.h"
#include "host/HostCallError.h"
#include "host/HostPartProgram.h"
#include "output/AsciiWriter.h"
#include "report/ReportSpreadsheets.h"
#include "report/layout/LayoutFile.h"
#include "settings/SettingTexts.h"
#include "util/LanguageTables.h"

#include <QDateTime>
#include <QLocale>

namespace korvex {
namespace {

// MessageBoxen entry: the reason a template needs the office suite that is not installed.
constexpr int kNoOfficeEntry = 96;

}  // namespace

bool WorkbookReportOutput::importLayout(const QString& layoutFile) {
    QString path = layoutFile;
    const int headerCount = static_cast<int>(parts_.session.headerData.variables().size());
    return importLayoutFile(path, parts_.session.settings, headerCount, parts_.session.language.codePage());
}

bool WorkbookReportOutput::fillReport(const QString& workbook, bool onlySelected,
                                      const Selection& selection) {
    ReportSpreadsheets spreadsheets(
        parts_.spreadsheets, parts_.office,
        parts_.session.language.text(LanguageTable::MessageBoxen, kNoOfficeEntry));
    return fillWith(spreadsheets.forTemplate(workbook), workbook, onlySelected, selection);
}

bool WorkbookReportOutput::fillWith(SpreadsheetBackend& spreadsheets, const QString& workbook,
                                    bool onlySelected, const Selection& selection) {
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
                                        spreadsheets,
                                        {QDateTime::currentDateTime(), QLocale()},
                                        parts_.chooseSavePath};
    return korvex::fillReport({workbook, onlySelected, readOnlyChoice_}, sources, environment).saved;
}

}  // namespace korvex
