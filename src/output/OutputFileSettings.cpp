#include "output/OutputFileSettings.h"

#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/BlankTrim.h"
#include "util/WriteNotation.h"

#include <QDir>
#include <QStorageInfo>

#include <array>
#include <vector>

namespace korvex {
namespace {

constexpr std::array<keys::SettingKey, ResultFileNaming::kPositions> kNameKeys = {
    keys::kFileName1, keys::kFileName2, keys::kFileName3, keys::kFileName4, keys::kFileName5};

const QString kDefaultTolProzent = QStringLiteral("90");

// A list index as stored; text that is no number selects nothing (-1).
int listIndexOf(const QString& text) {
    bool isNumber = false;
    const int index = text.trimmed().toInt(&isNumber);
    return isNumber ? index : -1;
}

// The three folder options are exclusive: of those set in turn, the last one set wins; none set is
// the fixed folder.
OutputFolderChoice folderChoiceOf(std::initializer_list<std::pair<OutputFolderChoice, bool>> optionsInOrder) {
    OutputFolderChoice choice = OutputFolderChoice::FixedFolder;
    for (const auto& [option, selected] : optionsInOrder) {
        if (selected) {
            choice = option;
        }
    }
    return choice;
}

std::optional<ResultFileKind> fileKindOf(int code) {
    switch (code) {
        case static_cast<int>(ResultFileKind::DelimitedText):
            return ResultFileKind::DelimitedText;
        case static_cast<int>(ResultFileKind::Dfq):
            return ResultFileKind::Dfq;
        default:
            return std::nullopt;
    }
}

// What an imported file must hold for the output to work: a folder and name codes the lists offer.
bool isUsable(const OutputFileSettings& values) {
    for (std::size_t position = 0; position < values.naming.codes.size(); ++position) {
        if (!isKnownNameCode(position, values.naming.codes[position])) {
            return false;
        }
    }
    return isKnownSeparatorCode(values.naming.separatorCode) && !trimBlanks(values.folder).isEmpty();
}

}  // namespace

ResultFileKind readResultFileKind(const SettingsStore& settings) {
    return fileKindOf(listIndexOf(settings.readSetting(keys::kFileKind, QStringLiteral("0"))))
        .value_or(ResultFileKind::DelimitedText);
}

QString driveOf(const QString& path) {
    const QStorageInfo volume(path);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

OutputFileSettings loadOutputFileSettings(const SettingsStore& settings, const QString& programFolder) {
    const auto read = [&settings](keys::SettingKey key, const QString& defaultValue) {
        return settings.readSetting(key, defaultValue);
    };
    OutputFileSettings values;
    values.drive = read(keys::kDrive, driveOf(programFolder));
    values.folder = read(keys::kDir, programFolder);
    for (std::size_t i = 0; i < kNameKeys.size(); ++i) {
        values.naming.codes[i] =
            listIndexOf(read(kNameKeys[i], i == 0 ? QStringLiteral("0") : QStringLiteral("1")));
    }
    values.naming.separatorCode = listIndexOf(read(keys::kSeparator, QStringLiteral("1")));
    values.naming.useCounter = settingIsTrue(read(keys::kFileCounter, QStringLiteral("0")));
    const bool askBeforeOutput = settingIsTrue(read(keys::kSelectFolder, QStringLiteral("0")));
    const bool partProgramFolder = settingIsTrue(read(keys::kPartProgFolder, QStringLiteral("0")));
    const bool fixedFolder = settingIsTrue(read(keys::kDefaultFolder, QStringLiteral("1")));
    values.folderChoice = folderChoiceOf({{OutputFolderChoice::AskBeforeOutput, askBeforeOutput},
                                          {OutputFolderChoice::PartProgramFolder, partProgramFolder},
                                          {OutputFolderChoice::FixedFolder, fixedFolder}});
    values.zozadRegel = textSwitchIsOn(read(keys::kZozadRegel, QStringLiteral("FALSE")));
    values.useHeaderData = settingIsTrue(read(keys::kHeader, QStringLiteral("1")));
    values.multiLine = settingIsTrue(read(keys::kMultiLine, QStringLiteral("1")));
    values.tolProzent = read(keys::kTolProzent, kDefaultTolProzent);
    values.currentUser = textSwitchIsOn(read(keys::kCurrentUser, QStringLiteral("FALSE")));
    values.minimize = settingIsTrue(read(keys::kMinimize, QStringLiteral("0")));
    values.fileKind = readResultFileKind(settings);
    return values;
}

bool saveOutputFileSettings(const OutputFileSettings& values, SettingsStore& settings) {
    if (values.currentUser) {
        settings.setRoot(SettingsRoot::PerUser);
    }
    const auto isChoice = [&values](OutputFolderChoice choice) {
        return optionButtonText(values.folderChoice == choice);
    };
    std::vector<SettingValue> stored;
    const auto write = [&stored](keys::SettingKey key, const QString& value) {
        stored.push_back({key, value});
    };
    write(keys::kDrive, values.drive);
    write(keys::kDir, values.folder);
    write(keys::kPartProgFolder, isChoice(OutputFolderChoice::PartProgramFolder));
    for (std::size_t i = 0; i < kNameKeys.size(); ++i) {
        write(kNameKeys[i], QString::number(values.naming.codes[i]));
    }
    write(keys::kSeparator, QString::number(values.naming.separatorCode));
    write(keys::kFileCounter, checkBoxText(values.naming.useCounter));
    write(keys::kSelectFolder, isChoice(OutputFolderChoice::AskBeforeOutput));
    write(keys::kDefaultFolder, isChoice(OutputFolderChoice::FixedFolder));
    write(keys::kZozadRegel, switchText(values.zozadRegel));
    write(keys::kHeader, checkBoxText(values.useHeaderData));
    write(keys::kMultiLine, checkBoxText(values.multiLine));
    write(keys::kTolProzent, values.tolProzent);
    write(keys::kCurrentUser, switchText(values.currentUser));
    write(keys::kMinimize, checkBoxText(values.minimize));
    write(keys::kFileKind, QString::number(static_cast<int>(values.fileKind)));
    return settings.writeSettings(stored);
}

void writeOutputFileSettings(const OutputFileSettings& values, NotationWriter& out) {
    out.writeText(values.drive);
    out.writeText(values.folder);
    out.writeBoolean(values.folderChoice == OutputFolderChoice::PartProgramFolder);
    for (const int code : values.naming.codes) {
        out.writeInteger(code);
    }
    out.writeInteger(values.naming.separatorCode);
    out.writeInteger(values.useHeaderData ? 1 : 0);
    out.writeInteger(values.naming.useCounter ? 1 : 0);
    out.writeBoolean(values.folderChoice == OutputFolderChoice::AskBeforeOutput);
    out.writeInteger(values.multiLine ? 1 : 0);
    out.writeBoolean(values.folderChoice == OutputFolderChoice::FixedFolder);
    out.writeText(values.tolProzent);
    out.writeText(switchText(values.currentUser));
    out.writeInteger(values.minimize ? 1 : 0);
    out.writeInteger(static_cast<int>(values.fileKind));
}

std::optional<OutputFileSettings> readOutputFileSettings(NotationReader& in,
                                                         const OutputFileSettings& current) {
    OutputFileSettings values = current;
    values.drive = in.readText();
    values.folder = in.readText();
    const bool partProgramFolder = in.readBoolean();
    for (int& code : values.naming.codes) {
        code = in.readInteger();
    }
    values.naming.separatorCode = in.readInteger();
    values.useHeaderData = in.readInteger() != 0;
    values.naming.useCounter = in.readInteger() != 0;
    const bool askBeforeOutput = in.readBoolean();
    values.multiLine = in.readInteger() != 0;
    const bool fixedFolder = in.readBoolean();
    values.folderChoice = folderChoiceOf({{OutputFolderChoice::PartProgramFolder, partProgramFolder},
                                          {OutputFolderChoice::AskBeforeOutput, askBeforeOutput},
                                          {OutputFolderChoice::FixedFolder, fixedFolder}});
    if (!in.ok() || !isUsable(values)) {
        return std::nullopt;
    }
    values.tolProzent = in.atEnd() ? kDefaultTolProzent : in.readText();
    if (!in.atEnd()) {
        values.currentUser = textSwitchIsOn(in.readText());
    }
    if (!in.atEnd()) {
        values.minimize = in.readInteger() != 0;
    }
    if (!in.atEnd()) {
        const std::optional<ResultFileKind> kind = fileKindOf(in.readInteger());
        if (!kind) {
            return std::nullopt;
        }
        values.fileKind = *kind;
    }
    if (!in.ok()) {
        return std::nullopt;
    }
    return values;
}

}  // namespace korvex
