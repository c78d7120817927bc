#include "output/AsciiOutput.h"

#include "settings/SettingsStore.h"

namespace korvex {

AsciiOutputResult runAsciiOutput(const AsciiOutputSources& sources, const AsciiOutputContext& context,
                                 bool unattended) {
    const bool chooseFolder = context.settings.readSetting(keys::kSelectFolder, QStringLiteral("0")) == u"-1";
    if (chooseFolder && !unattended) {
        return AsciiOutputResult::FolderToBeChosen;
    }
    return writeAsciiFile(sources, context) ? AsciiOutputResult::Written : AsciiOutputResult::NotWritten;
}

}  // namespace korvex
