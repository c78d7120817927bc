#pragma once

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "output/AsciiColumns.h"
#include "output/AsciiWriter.h"
#include "output/TemporarySettings.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <vector>

namespace korvex::test {

// Rows as an offline read of a housing's part program gives them: a location with three axes
// sharing one comment, a true position kept out by "<<#", a statistics-only flatness, a distance
// whose comment carries "<<" twice, an angle and a profile with negative values, and an unmarked
// row sharing the distance's comment.
ValueTables realisticRows();
// The marking: every list entry but the last.
std::vector<bool> everyEntryButTheLast(const ValueTables& tables);

// Language tables whose MessageBoxen and StatusBar entries read "MessageBoxen n" and "StatusBar n".
LanguageTables numberedLanguage();

// Everything one ASCII output needs, in temporary folders.
class AsciiOutputFixture : public ::testing::Test {
  protected:
    AsciiOutputFixture();

    // Column places by column index (0 = not written), with the file settings that name the file
    // HOUSING__4711.<extension> in the output folder.
    void storeLayout(const std::array<int, kAsciiColumnCount>& places, const QString& delimiter, bool csv);
    void store(keys::SettingKey key, const QString& value);

    AsciiOutputSources sources() { return {tables_, selected_, headerData_, partProgram_}; }
    AsciiOutputContext context() {
        return {settings_.store(), language_, user_, programFolder_.path(), moment_};
    }

    QString outputFolder() const { return outputFolder_.path(); }
    QString outputPath(const QString& extension) const {
        return outputFolder_.filePath(QStringLiteral("HOUSING__4711.") + extension);
    }
    QStringList filesInOutputFolder() const;

    TemporarySettings settings_;
    QTemporaryDir programFolder_;
    QTemporaryDir outputFolder_;
    LanguageTables language_ = numberedLanguage();
    RecordingUserInteraction user_;
    ValueTables tables_ = realisticRows();
    std::vector<bool> selected_ = everyEntryButTheLast(tables_);
    HeaderDataValues headerData_;
    PartProgramFacts partProgram_;
    NamingMoment moment_{.now = QDateTime(QDate(2024, 12, 6), QTime(14, 5, 9)), .locale = QLocale::c()};
};

}  // namespace korvex::test
