#include "util/LanguageTables.h"

namespace korvex {
namespace {

constexpr std::array<const char*, kLanguageTableCount> kHeaderLines = {
    "[Language Strings For frm_About]",
    "[Language Strings For frm_AsciiFileSetup]",
    "[Language Strings For frm_OutputFileSetup]",
    "[Language Strings For frm_BatchFileEditor]",
    "[Language Strings For frm_ReportDesignSetup]",
    "[Language Strings For frm_WindowPositionSetup]",
    "[Language Strings For frm_MainWindow]",
    "[Language Strings For frm_HeaderDataSetup]",
    "[Language Strings For frm_ExcelOnline]",
    "[Language Strings For frm_SavePartProgram]",
    "[Language Strings For frm_SelectOutputFolder]",
    "[Language Strings For MessageBoxen]",
    "[Language Strings For StatusBar]",
    "[Version 2.0.2]",
    "[Version 2.1.0]",
};

std::size_t indexOf(LanguageTable table) {
    return static_cast<std::size_t>(table);
}

}  // namespace

QString headerLineOf(LanguageTable table) {
    return QString::fromLatin1(kHeaderLines[indexOf(table)]);
}

std::optional<LanguageTable> tableOfHeaderLine(const QString& line) {
    for (std::size_t i = 0; i < kHeaderLines.size(); ++i) {
        if (line == QLatin1StringView(kHeaderLines[i])) {
            return static_cast<LanguageTable>(i);
        }
    }
    return std::nullopt;
}

QString LanguageTables::text(LanguageTable table, int entry) const {
    const auto& list = tables_[indexOf(table)];
    if (!list || entry < 0 || entry >= list->size()) {
        return {};
    }
    return list->at(entry);
}

bool LanguageTables::isAllocated(LanguageTable table) const {
    return tables_[indexOf(table)].has_value();
}

int LanguageTables::lastEntry(LanguageTable table) const {
    const auto& list = tables_[indexOf(table)];
    return list ? static_cast<int>(list->size()) - 1 : 0;
}

void LanguageTables::beginSection(LanguageTable table, const QString& headerLine) {
    tables_[indexOf(table)] = QStringList{QString(), headerLine};
}

bool LanguageTables::appendEntry(LanguageTable table, const QString& line) {
    auto& list = tables_[indexOf(table)];
    if (!list || lastEntry(table) >= kMaxEntries) {
        return false;
    }
    list->append(line);
    return true;
}

void LanguageTables::adoptUnallocated(const LanguageTables& other) {
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        if (!tables_[i]) {
            tables_[i] = other.tables_[i];
        }
    }
}

}  // namespace korvex
