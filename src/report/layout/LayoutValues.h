#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace korvex {

class SettingsStore;

// The report layout as the settings hold it: one text per value, under "ExcelReportSettings". The
// text "NotUsed" leaves an item out of the report.
namespace layout {

inline constexpr QStringView kNotUsed = u"NotUsed";
inline constexpr QStringView kMeasurementPlace = u"VM";

inline constexpr QStringView kFormStartRow = u"FormStartRow";
inline constexpr QStringView kFormEndRow = u"FormEndRow";
inline constexpr QStringView kFormMeasColums = u"FormMeasColums";
inline constexpr QStringView kFormIDColum = u"FormIDColum";
inline constexpr QStringView kFormNominalColum = u"FormNominalColum";
inline constexpr QStringView kFormUTolColum = u"FormUTolColum";
inline constexpr QStringView kFormOTolColum = u"FormOTolColum";
inline constexpr QStringView kFormDevColum = u"FormDevColum";
inline constexpr QStringView kFormATolColum = u"FormATolColum";
inline constexpr QStringView kFormSymbolColum = u"FormSymbolColum";
inline constexpr QStringView kFormCommentColum = u"FormCommentColum";
inline constexpr QStringView kCommentLength = u"CommentLength";
inline constexpr QStringView kZeileSpalte = u"Zeile_Spalte";
inline constexpr QStringView kFormDateRow = u"FormDateRow";
inline constexpr QStringView kFormTimeRow = u"FormTimeRow";
inline constexpr QStringView kElement1Colum = u"Element1Colum";
inline constexpr QStringView kElement2Colum = u"Element2Colum";
inline constexpr QStringView kElement3Colum = u"Element3Colum";
inline constexpr QStringView kBezug1Colum = u"Bezug1Colum";
inline constexpr QStringView kBezug2Colum = u"Bezug2Colum";
inline constexpr QStringView kBezug3Colum = u"Bezug3Colum";
inline constexpr QStringView kEinheitColum = u"EinheitColum";
inline constexpr QStringView kLfdNr = u"LfdNr";
inline constexpr QStringView kZeileProgrammName = u"ZeileProgrammName";
inline constexpr QStringView kSpalteProgrammName = u"SpalteProgrammName";
inline constexpr QStringView kZeileZeichnungsnummer = u"ZeileZeichnungsnummer";
inline constexpr QStringView kSpalteZeichnungsnummer = u"SpalteZeichnungsnummer";
inline constexpr QStringView kZeileAenderungsstand = u"ZeileAenderungsstand";
inline constexpr QStringView kSpalteAenderungsstand = u"SpalteAenderungsstand";
inline constexpr QStringView kSeitennummerSpalte = u"SeitennummerSpalte";
inline constexpr QStringView kSeitennummerZeile = u"SeitennummerZeile";
inline constexpr QStringView kSeitenAnzahlSpalte = u"SeitenAnzahlSpalte";
inline constexpr QStringView kSeitenAnzahlZeile = u"SeitenAnzahlZeile";
inline constexpr QStringView kEmptyCells = u"EmptyCells";

// The values a report cannot do without, from the measurement list to the symbol.
inline constexpr std::array<QStringView, 8> kRequiredPositions = {
    kFormMeasColums, kFormIDColum,  kFormNominalColum, kFormUTolColum,
    kFormOTolColum,  kFormDevColum, kFormATolColum,    kFormSymbolColum};

// Lines 1 to 22 of a layout file, in their order.
inline constexpr std::array<QStringView, 22> kFileLeadingValues = {
    kFormATolColum, kFormDevColum,   kFormIDColum,     kFormCommentColum, kCommentLength, kFormNominalColum,
    kFormOTolColum, kFormMeasColums, kFormSymbolColum, kFormUTolColum,    kFormEndRow,    kFormStartRow,
    kZeileSpalte,   kFormDateRow,    kFormTimeRow,     kElement1Colum,    kElement2Colum, kElement3Colum,
    kBezug1Colum,   kBezug2Colum,    kBezug3Colum,     kEinheitColum};

// The optional groups that follow the running number in a layout file.
inline constexpr std::array<QStringView, 2> kProgramNameGroup = {kZeileProgrammName, kSpalteProgrammName};
inline constexpr std::array<QStringView, 4> kDrawingGroup = {kZeileZeichnungsnummer, kSpalteZeichnungsnummer,
                                                             kZeileAenderungsstand, kSpalteAenderungsstand};
inline constexpr std::array<QStringView, 4> kPageGroup = {kSeitennummerSpalte, kSeitennummerZeile,
                                                          kSeitenAnzahlSpalte, kSeitenAnzahlZeile};

// The settings name of header variable `variable` (from 1): its row (direction 1) or its column
// (direction 2), e.g. "Kopfdaten_2_3".
QString headerPlaceName(int direction, int variable);

}  // namespace layout

// The layout's texts: every named value, and the row and column text of each header variable.
struct LayoutValues {
    QMap<QString, QString> texts;
    QStringList headerRows;
    QStringList headerColumns;

    // The text of a value; empty when it is not there.
    QString text(QStringView name) const { return texts.value(name.toString()); }
    void set(QStringView name, const QString& text) { texts.insert(name.toString(), text); }
    friend bool operator==(const LayoutValues&, const LayoutValues&) = default;
};

// Reads every layout value the settings hold, with the places of `headerCount` header variables;
// a value that is not stored is left out (nothing is written back).
LayoutValues readLayoutValues(const SettingsStore& settings, int headerCount);

// Stores every value and header place. False when the settings refused a value.
[[nodiscard]] bool writeLayoutValues(const SettingsStore& settings, const LayoutValues& values);

}  // namespace korvex
