#pragma once

#include <QStringView>

// Every stored setting, by section and value name. Values directly under the root have an empty
// section. Groups that a dialog owns as a whole (ASCII columns, report layout) add their value names
// at run time under their section.
namespace korvex::keys {

struct SettingKey {
    QStringView section;
    QStringView name;
};

inline constexpr QStringView kProgSettings = u"ProgSettings";
inline constexpr QStringView kFileSettings = u"FileSettings";
inline constexpr QStringView kLanguageSettings = u"LanguageSettings";
inline constexpr QStringView kExcelReportSettings = u"ExcelReportSettings";
inline constexpr QStringView kAsciiSettings = u"ASCIISettings";

inline constexpr SettingKey kCurrentUser{{}, u"CurrentUser"};
inline constexpr SettingKey kZozadRegel{{}, u"ZozadRegel"};

inline constexpr SettingKey kTop{kProgSettings, u"TOP"};
inline constexpr SettingKey kLeft{kProgSettings, u"LEFT"};
inline constexpr SettingKey kHeader{kProgSettings, u"HEADER"};
inline constexpr SettingKey kMinimize{kProgSettings, u"MINIMIZE"};
inline constexpr SettingKey kMultiLine{kProgSettings, u"MultiLine"};
inline constexpr SettingKey kTolProzent{kProgSettings, u"TolProzent"};
inline constexpr SettingKey kLastUsedFolder{kProgSettings, u"LastUsedFolder"};

inline constexpr SettingKey kDrive{kFileSettings, u"DRIVE"};
inline constexpr SettingKey kDir{kFileSettings, u"DIR"};
inline constexpr SettingKey kFileName1{kFileSettings, u"FileName1"};
inline constexpr SettingKey kFileName2{kFileSettings, u"FileName2"};
inline constexpr SettingKey kFileName3{kFileSettings, u"FileName3"};
inline constexpr SettingKey kFileName4{kFileSettings, u"FileName4"};
inline constexpr SettingKey kFileName5{kFileSettings, u"FileName5"};
inline constexpr SettingKey kSeparator{kFileSettings, u"SEPERATOR"};
inline constexpr SettingKey kFileCounter{kFileSettings, u"FileCounter"};
inline constexpr SettingKey kSelectFolder{kFileSettings, u"SelectFolder"};
inline constexpr SettingKey kPartProgFolder{kFileSettings, u"PartProgFolder"};
inline constexpr SettingKey kDefaultFolder{kFileSettings, u"DefaultFolder"};
// The kind of result file: "0" delimited text (CSV or TXT, by the ASCII format), "1" AQDEF (DFQ).
inline constexpr SettingKey kFileKind{kFileSettings, u"FileKind"};

inline constexpr SettingKey kLanguage{kLanguageSettings, u"Language"};

inline constexpr SettingKey kLastUsedConfig{kExcelReportSettings, u"LastUsedConfig"};

// The ASCII result file's delimiter and file type; its column checks and places are named in
// output/AsciiColumns.h.
inline constexpr SettingKey kAsciiDelimiter{kAsciiSettings, u"ASCII"};
inline constexpr SettingKey kAsciiCsv{kAsciiSettings, u"CSV"};
inline constexpr SettingKey kAsciiTxt{kAsciiSettings, u"TXT"};

}  // namespace korvex::keys
