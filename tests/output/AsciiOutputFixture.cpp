#include "output/AsciiOutputFixture.h"

#include <QDir>

namespace korvex::test {
namespace {

struct RowValues {
    QString id, axis, typeName;
    double nominal, upperTol, lowerTol, bonus, measured, deviation, outTol, min, max;
    QString unit, outputMode;
    bool marked;
    QString element1, element2;
    QString datum1, datum2, datum3;
    double datumLength;
    int commentIndex;
};

void appendRow(ValueTables& tables, const RowValues& values) {
    CharacteristicRecord& row = tables.appendRow();
    row.id = values.id;
    row.axis = values.axis;
    row.typeName = values.typeName;
    row.nominal = values.nominal;
    row.upperTol = values.upperTol;
    row.lowerTol = values.lowerTol;
    row.bonus = values.bonus;
    row.measured = values.measured;
    row.deviation = values.deviation;
    row.outTol = values.outTol;
    row.min = values.min;
    row.max = values.max;
    row.unit = values.unit;
    row.outputMode = values.outputMode;
    row.marked = values.marked;
    row.element1 = values.element1;
    row.element2 = values.element2;
    row.datum1 = values.datum1;
    row.datum2 = values.datum2;
    row.datum3 = values.datum3;
    row.datumLength = values.datumLength;
    row.commentIndex = values.commentIndex;
    row.materialCondition = values.typeName == u"TRUE_DIAM_LOCATION" ? QStringLiteral("MMC") : QString();
}

void appendComment(ValueTables& tables, const QStringList& lines) {
    CommentRecord* comment = tables.comment(tables.appendComment());
    for (int line = 1; line <= lines.size(); ++line) {
        comment->setLine(line, lines.at(line - 1));
    }
}

}  // namespace

ValueTables realisticRows() {
    ValueTables tables;
    tables.reset(40);
    appendComment(tables, {QStringLiteral("<< Bore pattern"), QStringLiteral("front side")});
    appendComment(tables, {QStringLiteral("<<#internal check")});
    appendComment(tables, {QStringLiteral("<< << Operator note"), QStringLiteral("second line")});
    const QString mm = QStringLiteral("MM");
    const QString both = QStringLiteral("BEIDE");
    const QString protocol = QStringLiteral("PROTOKOLL");
    const QString none;
    // clang-format off
    appendRow(tables, {"LOC1", "X", "X_LOCATION", 10, 0.1, -0.1, 0, 10.012, 0.012, 0, 10.012, 10.012, mm, both, true, "CIR1", none, none, none, none, 0, 1});
    appendRow(tables, {"LOC1", "Y", "Y_LOCATION", -25.5, 0.1, -0.1, 0, -25.62, -0.12, 0.02, -25.62, -25.62, mm, both, true, "CIR1", none, none, none, none, 0, 1});
    appendRow(tables, {"LOC1", "D", "D_LOCATION", 8, 0.05, -0.05, 0, 8.031, 0.031, 0, 8.02, 8.04, mm, both, false, "CIR1", none, none, none, none, 0, 0});
    appendRow(tables, {"TP1", "DF", "TRUE_DIAM_LOCATION", 0, 0.2, 0, 0.03, 0.08, 0.08, 0, 0.08, 0.08, mm, protocol, false, "CIR2", none, "A", "B", "C", 0, 2});
    appendRow(tables, {"FLAT1", "M", "FLATNESS", 0, 0.05, 0, 0, 0.046, 0.046, 0, 0.001, 0.047, mm, "STATISTIK", true, "PLN1", none, none, none, none, 0, 0});
    appendRow(tables, {"DIST1", "M", "2D_DISTANCE", 42, 0.2, -0.2, 0, 42.15, 0.15, 0, 42.15, 42.15, mm, protocol, true, "CIR1", "CIR2", none, none, none, 12.5, 3});
    appendRow(tables, {"ANG1", "M", "2D_ANGLE", -30, 0.5, -0.5, 0, -30.25, -0.25, 0, -30.3, -30.2, "GRAD", both, false, "LIN1", "LIN2", none, none, none, 0, 0});
    appendRow(tables, {"PRO1", "M", "PROFILE", 0, 0.1, -0.1, 0, -0.04, -0.04, 0, -0.06, -0.02, mm, protocol, true, "SURF1", none, none, none, none, 0, 0});
    appendRow(tables, {"DIM9", "M", "KEYIN", 1, 0.1, -0.1, 0, 1.05, 0.05, 0, 1.05, 1.05, mm, protocol, false, "PNT1", none, none, none, none, 0, 3});
    // clang-format on
    return tables;
}

std::vector<bool> everyEntryButTheLast(const ValueTables& tables) {
    std::vector<bool> selected(static_cast<std::size_t>(tables.rowCount()), true);
    selected.back() = false;
    return selected;
}

LanguageTables numberedLanguage() {
    LanguageTables language;
    for (const auto& [table, name, last] : {std::tuple(LanguageTable::MessageBoxen, "MessageBoxen", 108),
                                            std::tuple(LanguageTable::StatusBar, "StatusBar", 28)}) {
        language.beginSection(table, headerLineOf(table));
        for (int entry = 2; entry <= last; ++entry) {
            language.appendEntry(table, QStringLiteral("%1 %2").arg(QLatin1StringView(name)).arg(entry));
        }
    }
    return language;
}

AsciiOutputFixture::AsciiOutputFixture() {
    headerData_.setNames({QStringLiteral(" Operator"), QStringLiteral("Serial")});
    headerData_.assign(QStringLiteral("Operator"), QStringLiteral(" Smith "));
    headerData_.assign(QStringLiteral("Serial"), QStringLiteral("A-17"));
    partProgram_ = {.names = {.partName = QStringLiteral("HOUSING"),
                              .drawingNumber = QStringLiteral("4711"),
                              .revision = QStringLiteral("C")},
                    .folder = programFolder_.path()};
}

void AsciiOutputFixture::storeLayout(const std::array<int, kAsciiColumnCount>& places,
                                     const QString& delimiter, bool csv) {
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        store(asciiPlaceKey(column), QString::number(places[static_cast<std::size_t>(column)]));
    }
    store(keys::kAsciiDelimiter, delimiter);
    store(keys::kAsciiCsv, csv ? QStringLiteral("-1") : QStringLiteral("0"));
    store(keys::kFileName2, QStringLiteral("3"));
    store(keys::kFileName3, QStringLiteral("0"));
    store(keys::kFileName4, QStringLiteral("0"));
    store(keys::kFileName5, QStringLiteral("0"));
    store(keys::kDir, outputFolder());
}

void AsciiOutputFixture::store(keys::SettingKey key, const QString& value) {
    ASSERT_TRUE(settings_.store().writeSetting(key, value));
}

QStringList AsciiOutputFixture::filesInOutputFolder() const {
    return QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace korvex::test
