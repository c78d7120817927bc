#include "LargestTable.h"

#include <QDir>

namespace korvex::bench {
namespace {

constexpr int kRowsPerComment = 10;

}  // namespace

ValueTables largestTable() {
    ValueTables tables;
    tables.reset(kRows);
    for (int number = 1; number <= kRows; ++number) {
        if (number % kRowsPerComment == 1) {
            CommentRecord* comment = tables.comment(tables.appendComment());
            comment->setLine(1, QStringLiteral("<< Clamping %1").arg(number));
            comment->setLine(2, QStringLiteral("second line of the comment"));
        }
        CharacteristicRecord& row = tables.appendRow();
        row.id = QStringLiteral("DIM%1").arg(number);
        row.axis = QStringLiteral("X");
        row.typeName = QStringLiteral("X_LOCATION");
        row.nominal = -125.5 + number * 0.01;
        row.upperTol = 0.05;
        row.lowerTol = -0.05;
        row.bonus = 0.01234;
        row.measured = row.nominal + 0.01234;
        row.deviation = 0.01234;
        row.outTol = number % 7 == 0 ? 0.00321 : 0;
        row.min = row.measured - 0.002;
        row.max = row.measured + 0.002;
        row.unit = QStringLiteral("MM");
        row.outputMode = QStringLiteral("PROTOKOLL");
        row.marked = number % 2 == 0;
        row.element1 = QStringLiteral("CIR%1").arg(number);
        row.element2 = QStringLiteral("PLN1");
        row.element3 = QStringLiteral("LIN2");
        row.datum1 = QStringLiteral("A");
        row.datum2 = QStringLiteral("B");
        row.datum3 = QStringLiteral("C");
        row.datumLength = 12.5;
        row.commentIndex = tables.commentCount();
    }
    return tables;
}

LargestTableOutput::LargestTableOutput()
    : settings_({dir_.filePath(QStringLiteral("machine.ini")), dir_.filePath(QStringLiteral("user.ini"))}) {
    QDir().mkpath(resultFolder());
    (void)settings_.writeSetting(keys::kDir, resultFolder());
}

}  // namespace korvex::bench
