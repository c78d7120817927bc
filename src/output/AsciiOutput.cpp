#include "output/AsciiOutput.h"

#include "output/DfqWriter.h"
#include "output/OutputFileSettings.h"
#include "settings/SettingsStore.h"

namespace korvex {

bool writeResultFile(const AsciiOutputSources& sources, const AsciiOutputContext& context) {
    if (readResultFileKind(context.settings) == ResultFileKind::Dfq) {
        return writeDfqFile(sources, context);
    }
    return writeAsciiFile(sources, context);
}

AsciiOutputResult runAsciiOutput(const AsciiOutputSources& sources, const AsciiOutputContext& context,
                                 bool unattended) {
    const bool chooseFolder = context.settings.readSetting(keys::kSelectFolder, QStringLiteral("0")) == u"-1";
    if (chooseFolder && !unattended) {
        return AsciiOutputResult::FolderToBeChosen;
    }
    return writeResultFile(sources, context) ? AsciiOutputResult::Written : AsciiOutputResult::NotWritten;
}

}  // namespace korvex
