#include "fill/ReportFillFixture.h"

#include "fill/LayoutTestSupport.h"
#include "report/CellRange.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"

namespace korvex::test {

ReportFillFixture::ReportFillFixture() {
    EXPECT_TRUE(loadLanguageFile(sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
    headerData_.setNames({QStringLiteral("Operator"), QStringLiteral("Order")});
    headerData_.assign(QStringLiteral("Operator"), QStringLiteral("Miller"));
    headerData_.assign(QStringLiteral("Order"), QStringLiteral("4711"));
    useLayout(rowsLayoutValues(2));
}

QString ReportFillFixture::makeTemplate(const std::function<void(Worksheet&)>& prepare) {
    std::unique_ptr<xlsx::XlsxWorkbook> workbook = xlsx::XlsxWorkbook::createEmpty();
    Worksheet& master = *workbook->activeSheet();
    EXPECT_TRUE(master.rename(QStringLiteral("Master")));
    master.writeText({1, 1}, QStringLiteral("Quality report"));
    if (prepare) {
        prepare(master);
    }
    const QString path = file(QStringLiteral("book.xlsx"));
    EXPECT_TRUE(workbook->saveAs(path));
    return path;
}

void ReportFillFixture::useLayout(const LayoutValues& values) {
    EXPECT_TRUE(writeLayoutValues(settings_.store(), values));
}

void ReportFillFixture::setLayoutValue(QStringView name, const QString& text) {
    EXPECT_TRUE(settings_.store().writeSetting({keys::kExcelReportSettings, name}, text));
}

void ReportFillFixture::setCharacteristics(int count) {
    values_.reset(count);
    entryTexts_.clear();
    for (int number = 1; number <= count; ++number) {
        CharacteristicRecord& added = values_.appendRow();
        added.uniqueId = {100 + number, 1};
        added.typeName = QStringLiteral("D_LOCATION");
        added.nominal = number;
        added.upperTol = 0.1;
        added.lowerTol = -0.1;
        added.measured = number + 0.01;
        added.deviation = 0.01;
        added.outputMode = QStringLiteral("PROTOKOLL");
        added.unit = QStringLiteral("MM");
        entryTexts_.append(QStringLiteral("C%1").arg(number));
    }
    selected_.assign(static_cast<std::size_t>(count), true);
}

void ReportFillFixture::setCommentLine(int number, const QString& line) {
    const int entry = values_.appendComment();
    values_.comment(entry)->setLine(1, line);
    row(number).commentIndex = entry;
}

ReportFillResult ReportFillFixture::fill(const QString& templatePath, bool onlySelected, bool readOnly) {
    ReportSources sources{values_,
                          entryTexts_,
                          selected_,
                          headerData_,
                          {QStringLiteral("HOUSING"), QStringLiteral("D-1234"), QStringLiteral("B")}};
    const ReportEnvironment environment{settings_.store(),
                                        language_,
                                        user_,
                                        *fillingBackend_,
                                        {now_, QLocale(QLocale::English, QLocale::UnitedStates)},
                                        [this](const QString& filter) {
                                            savePathFilters_.append(filter);
                                            return savePathAnswer_;
                                        }};
    return fillReport({templatePath, onlySelected, readOnly}, sources, environment);
}

std::unique_ptr<xlsx::XlsxWorkbook> ReportFillFixture::reopen(const QString& path) const {
    auto workbook = xlsx::XlsxWorkbook::open(path);
    EXPECT_TRUE(workbook) << workbook.error().toStdString();
    return workbook ? std::move(*workbook) : nullptr;
}

QString ReportFillFixture::cell(const QString& path, const QString& sheet, const char* address) const {
    std::unique_ptr<xlsx::XlsxWorkbook> workbook = reopen(path);
    Worksheet* found = workbook != nullptr ? workbook->sheet(sheet) : nullptr;
    if (found == nullptr) {
        ADD_FAILURE() << "no sheet " << sheet.toStdString();
        return {};
    }
    return found->readText(CellRange::parse(QString::fromLatin1(address))->first);
}

QStringList ReportFillFixture::messageTexts() const {
    QStringList texts;
    for (const Message& message : user_.messages) {
        texts.append(message.text);
    }
    return texts;
}

}  // namespace korvex::test
