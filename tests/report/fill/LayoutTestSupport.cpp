#include "fill/LayoutTestSupport.h"

namespace korvex::test {

void setLayoutTexts(LayoutValues& values, LayoutTexts texts) {
    for (const auto& [name, text] : texts) {
        values.set(name, QString::fromLatin1(text));
    }
}

LayoutValues rowsLayoutValues(int headerCount) {
    LayoutValues values;
    const LayoutTexts texts = {{layout::kFormStartRow, "10"},
                               {layout::kFormEndRow, "39"},
                               {layout::kFormMeasColums, "E-H"},
                               {layout::kFormIDColum, "A"},
                               {layout::kFormNominalColum, "B"},
                               {layout::kFormUTolColum, "D"},
                               {layout::kFormOTolColum, "C"},
                               {layout::kFormDevColum, "I"},
                               {layout::kFormATolColum, "J"},
                               {layout::kFormSymbolColum, "K"},
                               {layout::kFormCommentColum, "L"},
                               {layout::kCommentLength, "10"},
                               {layout::kZeileSpalte, "-1"},
                               {layout::kFormDateRow, "7"},
                               {layout::kFormTimeRow, "8"},
                               {layout::kElement1Colum, "M"},
                               {layout::kElement2Colum, "N"},
                               {layout::kElement3Colum, "O"},
                               {layout::kBezug1Colum, "P"},
                               {layout::kBezug2Colum, "Q"},
                               {layout::kBezug3Colum, "R"},
                               {layout::kEinheitColum, "S"},
                               {layout::kLfdNr, "T"},
                               {layout::kZeileProgrammName, "3"},
                               {layout::kSpalteProgrammName, "B"},
                               {layout::kZeileZeichnungsnummer, "4"},
                               {layout::kSpalteZeichnungsnummer, "2"},
                               {layout::kZeileAenderungsstand, "5"},
                               {layout::kSpalteAenderungsstand, "B"},
                               {layout::kSeitennummerSpalte, "H"},
                               {layout::kSeitennummerZeile, "2"},
                               {layout::kSeitenAnzahlSpalte, "H"},
                               {layout::kSeitenAnzahlZeile, "3"}};
    setLayoutTexts(values, texts);
    for (int variable = 1; variable <= headerCount; ++variable) {
        // Variable 1 above the measurement column, the others in column B below the program cells.
        values.headerRows.append(QString::number(variable == 1 ? 6 : 4 + variable));
        values.headerColumns.append(variable == 1 ? layout::kMeasurementPlace.toString()
                                                  : QStringLiteral("V"));
    }
    return values;
}

LayoutValues columnsLayoutValues(int headerCount) {
    LayoutValues values = rowsLayoutValues(headerCount);
    const LayoutTexts texts = {{layout::kZeileSpalte, "0"},         {layout::kFormStartRow, "10"},
                               {layout::kFormEndRow, "12"},         {layout::kFormMeasColums, "D-F"},
                               {layout::kFormIDColum, "2"},         {layout::kFormNominalColum, "3"},
                               {layout::kFormUTolColum, "4"},       {layout::kFormOTolColum, "5"},
                               {layout::kFormDevColum, "14"},       {layout::kFormATolColum, "15"},
                               {layout::kFormSymbolColum, "6"},     {layout::kFormCommentColum, "7"},
                               {layout::kFormDateRow, "B"},         {layout::kFormTimeRow, "C"},
                               {layout::kElement1Colum, "NotUsed"}, {layout::kElement2Colum, "NotUsed"},
                               {layout::kElement3Colum, "NotUsed"}, {layout::kBezug1Colum, "8"},
                               {layout::kBezug2Colum, "NotUsed"},   {layout::kBezug3Colum, "NotUsed"},
                               {layout::kEinheitColum, "9"},        {layout::kLfdNr, "1"}};
    setLayoutTexts(values, texts);
    for (int variable = 1; variable <= headerCount; ++variable) {
        values.headerRows[variable - 1] =
            variable == 1 ? layout::kMeasurementPlace.toString() : QString::number(19 + variable);
        values.headerColumns[variable - 1] = variable == 1 ? QStringLiteral("A") : QStringLiteral("G");
    }
    return values;
}

}  // namespace korvex::test
