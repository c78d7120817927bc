#pragma once

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "output/TemporarySettings.h"
#include "report/fill/ReportFill.h"
#include "report/layout/LayoutValues.h"
#include "report/xlsx/XlsxApplication.h"
#include "report/xlsx/XlsxWorkbook.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace korvex::test {

// A template workbook with a "Master" sheet, the results of a part program, a layout in the settings
// and the embedded engine, for filling reports in-process and reading them back.
class ReportFillFixture : public ::testing::Test {
  protected:
    ReportFillFixture();

    QString file(const QString& name) const { return dir_.filePath(name); }
    // A template "book.xlsx" whose Master holds a title; `prepare` may change Master before it is saved.
    QString makeTemplate(const std::function<void(Worksheet&)>& prepare = {});
    void useLayout(const LayoutValues& values);
    void setLayoutValue(QStringView name, const QString& text);

    // Characteristics C1 … Cn, all selected: nominal n, tolerances ±0.1, measured n + 0.01.
    void setCharacteristics(int count);
    CharacteristicRecord& row(int number) { return values_.rows()[static_cast<std::size_t>(number - 1)]; }
    // Gives row `number` a comment whose first line is `line`.
    void setCommentLine(int number, const QString& line);

    ReportFillResult fill(const QString& templatePath, bool onlySelected = false, bool readOnly = false);
    std::unique_ptr<xlsx::XlsxWorkbook> reopen(const QString& path) const;
    // The text of a cell of a sheet of a saved workbook.
    QString cell(const QString& path, const QString& sheet, const char* address) const;
    QStringList messageTexts() const;
    QString messageText(int entry) const { return language_.text(LanguageTable::MessageBoxen, entry); }

    QTemporaryDir dir_;
    TemporarySettings settings_;
    LanguageTables language_;
    RecordingUserInteraction user_;
    xlsx::XlsxBackend spreadsheets_;
    // The backend the next fills use.
    SpreadsheetBackend* fillingBackend_ = &spreadsheets_;
    ValueTables values_;
    HeaderDataValues headerData_;
    QStringList entryTexts_;
    std::vector<bool> selected_;
    QDateTime now_{QDate(2026, 3, 14), QTime(9, 26, 53)};
    QStringList savePathFilters_;
    std::optional<QString> savePathAnswer_;
};

}  // namespace korvex::test
