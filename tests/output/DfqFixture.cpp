#include "output/DfqFixture.h"

#include "characteristics/CharacteristicReader.h"
#include "characteristics/ToleranceEvaluation.h"
#include "host/HostPartProgram.h"
#include "host/sim/PartProgramFile.h"
#include "host/sim/SimHost.h"
#include "output/OutputRows.h"
#include "support/TestFiles.h"

#include <cmath>
#include <optional>

namespace korvex::test {
namespace {

// What a field must hold: a text, or a number (compared as a number).
struct Expected {
    QString text;
    std::optional<double> number;
};
using ExpectedFields = std::map<DfqKey, Expected>;

void expectText(ExpectedFields& fields, const char* key, int i, const QString& text) {
    if (!text.isEmpty()) {
        fields[{QString::fromLatin1(key), i}] = {text, std::nullopt};
    }
}

void expectNumber(ExpectedFields& fields, const char* key, int i, double number) {
    if (std::isfinite(number)) {
        fields[{QString::fromLatin1(key), i}] = {{}, number};
    }
}

QString unitField(const QString& unit) {
    if (unit == u"MM")
        return QStringLiteral("mm");
    if (unit == u"ZOLL")
        return QStringLiteral("inch");
    return unit == u"GRAD" ? QStringLiteral("\u00B0") : QString();
}

ExpectedFields expectedDescription(const PartProgramNames& names,
                                   const std::vector<const CharacteristicRecord*>& rows) {
    ExpectedFields fields;
    expectNumber(fields, "K0100", 0, static_cast<double>(rows.size()));
    expectText(fields, "K1001", 0, names.drawingNumber);
    expectText(fields, "K1002", 0, names.partName);
    expectText(fields, "K1004", 0, names.revision);
    for (int i = 1; i <= static_cast<int>(rows.size()); ++i) {
        const CharacteristicRecord& row = *rows[static_cast<std::size_t>(i - 1)];
        expectText(fields, "K2001", i, row.id + u'.' + row.axis);
        expectText(fields, "K2002", i, row.id + u' ' + row.axis);
        expectNumber(fields, "K2101", i, row.nominal);
        expectNumber(fields, "K2110", i, row.nominal + row.lowerTol);
        expectNumber(fields, "K2111", i, row.nominal + row.upperTol);
        expectNumber(fields, "K2112", i, row.lowerTol);
        expectNumber(fields, "K2113", i, row.upperTol);
        if (hasOneSidedTolerance(row.typeName)) {
            expectNumber(fields, "K2120", i, 1);
            expectNumber(fields, "K2121", i, 0);
        }
        expectText(fields, "K2142", i, unitField(row.unit));
    }
    return fields;
}

void expectFields(const DfqFields& actual, const ExpectedFields& expected) {
    for (const auto& [key, value] : actual) {
        EXPECT_TRUE(expected.contains(key)) << "unexpected " << qPrintable(key.first) << '/' << key.second;
    }
    for (const auto& [key, value] : expected) {
        const auto found = actual.find(key);
        if (found == actual.end()) {
            ADD_FAILURE() << "missing " << qPrintable(key.first) << '/' << key.second;
            continue;
        }
        if (!value.number) {
            EXPECT_EQ(found->second, value.text) << qPrintable(key.first) << '/' << key.second;
            continue;
        }
        bool isNumber = false;
        EXPECT_DOUBLE_EQ(found->second.toDouble(&isNumber), *value.number) << qPrintable(key.first);
        EXPECT_TRUE(isNumber) << qPrintable(found->second);
    }
}

}  // namespace

DfqFixture::DfqFixture() {
    storeLayout({}, QStringLiteral(";"), true);
}

void DfqFixture::readExample(const char* fileName) {
    const PartProgramLoadResult loaded =
        loadPartProgramFile(sourceDir() + QStringLiteral("/examples/") + QString::fromLatin1(fileName));
    ASSERT_TRUE(loaded.program);
    SimHost host(*loaded.program);
    const std::shared_ptr<HostPartProgram> partProgram = host.activePartProgram();
    readCharacteristics(host, *partProgram->commands(), {settings_.store(), language_, user_},
                        {tables_, headerData_});
    partProgram_.names = readPartProgramFacts(*partProgram).names;
    selected_.assign(static_cast<std::size_t>(tables_.rowCount()), true);
    user_.messages.clear();
    user_.statusTexts.clear();
}

QString DfqFixture::dfqPath(const QString& counter) const {
    const QString name =
        partProgram_.names.partName + QStringLiteral("__") + partProgram_.names.drawingNumber;
    return outputFolder_.filePath(name + (counter.isEmpty() ? QString() : QStringLiteral("__") + counter) +
                                  QStringLiteral(".dfq"));
}

DfqFileRead DfqFixture::readBack(const QString& path) const {
    const DfqParse parsed = readDfq(readFile(path));
    EXPECT_TRUE(parsed.file) << qPrintable(parsed.error);
    return parsed.file.value_or(DfqFileRead{});
}

std::vector<const CharacteristicRecord*> DfqFixture::writtenRows() {
    std::vector<const CharacteristicRecord*> rows;
    for (const int number : rowsToWrite(tables_, selected_)) {
        rows.push_back(tables_.row(number));
    }
    return rows;
}

void DfqFixture::expectFileOfRows(const DfqFileRead& file,
                                  const std::vector<const CharacteristicRecord*>& rows,
                                  const QStringList& moments) const {
    expectFields(file.description, expectedDescription(partProgram_.names, rows));
    ASSERT_EQ(file.runs.size(), static_cast<std::size_t>(moments.size()));
    for (std::size_t run = 0; run < file.runs.size(); ++run) {
        const std::vector<DfqValue>& values = file.runs[run].values;
        ASSERT_EQ(values.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            bool isNumber = false;
            EXPECT_DOUBLE_EQ(values[i].value.toDouble(&isNumber), rows[i]->measured) << i;
            EXPECT_TRUE(isNumber) << qPrintable(values[i].value);
            EXPECT_EQ(values[i].attribute, QStringLiteral("0"));
            EXPECT_EQ(values[i].moment, moments[static_cast<qsizetype>(run)]);
        }
    }
}

}  // namespace korvex::test
