#include "report/layout/ReportLayout.h"

#include "report/layout/ColumnNames.h"
#include "settings/SettingTexts.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kLayoutIncompleteEntry = 39;
constexpr int kColumnCappedEntry = 40;
constexpr int kLayoutValueInvalidEntry = 62;

bool isUsed(const QString& text) {
    return !text.trimmed().isEmpty() && text != layout::kNotUsed;
}

// Turns the stored texts into places, remembering the first value that names none.
class LayoutResolver {
  public:
    explicit LayoutResolver(const LayoutValues& values) : values_(values) {}

    ResolvedLayout resolve() {
        ReportLayout layout;
        const QString orientation = values_.text(layout::kZeileSpalte);
        layout.characteristicsInRows = orientation.isEmpty() || settingBoolean(orientation).value_or(false);
        inRows_ = layout.characteristicsInRows;
        if (!resolveRequired(layout)) {
            return {std::nullopt, *problem_, capped_};
        }
        resolveOptional(layout);
        resolveFixedCells(layout);
        resolveHeaderPlaces(layout);
        layout.emptyCells = values_.text(layout::kEmptyCells).trimmed().toInt() != 0;
        if (problem_) {
            return {std::nullopt, *problem_, capped_};
        }
        return {std::move(layout), {}, capped_};
    }

  private:
    bool resolveRequired(ReportLayout& layout) {
        layout.startRow = requiredRow(layout::kFormStartRow);
        layout.endRow = requiredRow(layout::kFormEndRow);
        layout.measurementColumns = requiredColumnList();
        layout.id = requiredPosition(layout::kFormIDColum);
        layout.nominal = requiredPosition(layout::kFormNominalColum);
        layout.lowerTol = requiredPosition(layout::kFormUTolColum);
        layout.upperTol = requiredPosition(layout::kFormOTolColum);
        layout.deviation = requiredPosition(layout::kFormDevColum);
        layout.outOfTol = requiredPosition(layout::kFormATolColum);
        layout.symbol = requiredPosition(layout::kFormSymbolColum);
        if (!problem_ && layout.endRow < layout.startRow) {
            invalid(layout::kFormEndRow);
        }
        return !problem_;
    }

    void resolveOptional(ReportLayout& layout) {
        layout.comment = optionalPosition(layout::kFormCommentColum);
        layout.runningNumber = optionalPosition(layout::kLfdNr);
        layout.unit = optionalPosition(layout::kEinheitColum);
        layout.elements = {optionalPosition(layout::kElement1Colum), optionalPosition(layout::kElement2Colum),
                           optionalPosition(layout::kElement3Colum)};
        layout.datums = {optionalPosition(layout::kBezug1Colum), optionalPosition(layout::kBezug2Colum),
                         optionalPosition(layout::kBezug3Colum)};
        layout.dateLine = optionalOtherDirection(layout::kFormDateRow);
        layout.timeLine = optionalOtherDirection(layout::kFormTimeRow);
        const QString length = values_.text(layout::kCommentLength).trimmed();
        bool ok = true;
        layout.commentLength = length.isEmpty() ? 0 : length.toInt(&ok);
        if (!ok || layout.commentLength < 0) {
            invalid(layout::kCommentLength);
        }
    }

    void resolveFixedCells(ReportLayout& layout) {
        layout.programName = fixedCell(layout::kZeileProgrammName, layout::kSpalteProgrammName);
        layout.drawingNumber = fixedCell(layout::kZeileZeichnungsnummer, layout::kSpalteZeichnungsnummer);
        layout.revision = fixedCell(layout::kZeileAenderungsstand, layout::kSpalteAenderungsstand);
        layout.pageNumber = fixedCell(layout::kSeitennummerZeile, layout::kSeitennummerSpalte);
        layout.pageCount = fixedCell(layout::kSeitenAnzahlZeile, layout::kSeitenAnzahlSpalte);
    }

    void resolveHeaderPlaces(ReportLayout& layout) const {
        const auto placeText = [](const QStringList& places, qsizetype index) {
            const QString text = index < places.size() ? places[index].trimmed() : QString();
            return text.isEmpty() ? layout::kNotUsed.toString() : text;
        };
        const qsizetype count = std::max(values_.headerRows.size(), values_.headerColumns.size());
        for (qsizetype index = 0; index < count; ++index) {
            ReportLayout::HeaderPlace place{placeText(values_.headerRows, index),
                                            placeText(values_.headerColumns, index)};
            layout.headerPlaced =
                layout.headerPlaced || place.row != layout::kNotUsed || place.column != layout::kNotUsed;
            layout.headerPlaces.push_back(std::move(place));
        }
    }

    int requiredRow(QStringView name) {
        const QString text = values_.text(name).trimmed();
        bool number = false;
        if (text.isEmpty() || (text.toInt(&number) == 0 && number)) {
            missing(name);
            return 0;
        }
        const std::optional<int> row = rowNumber(text);
        if (!row) {
            invalid(name);
        }
        return row.value_or(0);
    }

    std::vector<int> requiredColumnList() {
        const QString text = values_.text(layout::kFormMeasColums);
        if (text.trimmed().isEmpty()) {
            missing(layout::kFormMeasColums);
            return {};
        }
        const std::optional<ColumnList> list = parseColumnList(text);
        if (!list) {
            invalid(layout::kFormMeasColums);
            return {};
        }
        capped_ = capped_ || list->capped;
        return list->columns;
    }

    ReportLayout::Position requiredPosition(QStringView name) {
        if (values_.text(name).trimmed().isEmpty()) {
            missing(name);
            return std::nullopt;
        }
        return place(name, inRows_);
    }

    ReportLayout::Position optionalPosition(QStringView name) {
        return isUsed(values_.text(name)) ? place(name, inRows_) : std::nullopt;
    }

    ReportLayout::Position optionalOtherDirection(QStringView name) {
        return isUsed(values_.text(name)) ? place(name, !inRows_) : std::nullopt;
    }

    // A column given by letters, or a row number.
    ReportLayout::Position place(QStringView name, bool byLetters) {
        const QString text = values_.text(name);
        ReportLayout::Position position;
        if (byLetters) {
            const ColumnNumber column = columnNumber(text);
            capped_ = capped_ || column.capped;
            position = column.number > 0 ? std::optional<int>(column.number) : std::nullopt;
        } else {
            position = rowNumber(text);
        }
        if (!position) {
            invalid(name);
        }
        return position;
    }

    // A cell of a row number and a column given by one letter or by its number; used only when both
    // are set.
    std::optional<CellRef> fixedCell(QStringView rowName, QStringView columnName) {
        const QString rowText = values_.text(rowName);
        QString columnText = values_.text(columnName).trimmed();
        if (!isUsed(rowText) || !isUsed(columnText)) {
            return std::nullopt;
        }
        columnLetterInPlace(columnText);
        bool ok = false;
        const int column = columnText.toInt(&ok);
        const std::optional<int> row = rowNumber(rowText);
        if (!row) {
            invalid(rowName);
            return std::nullopt;
        }
        if (!ok || column < 1 || column > kLastLayoutColumn) {
            invalid(columnName);
            return std::nullopt;
        }
        return CellRef{*row, column};
    }

    void missing(QStringView name) { remember({LayoutProblem::Kind::Missing, name.toString(), {}}); }
    void invalid(QStringView name) {
        remember({LayoutProblem::Kind::Invalid, name.toString(), values_.text(name)});
    }
    void remember(LayoutProblem problem) {
        if (!problem_) {
            problem_ = std::move(problem);
        }
    }

    const LayoutValues& values_;
    bool inRows_ = true;
    bool capped_ = false;
    std::optional<LayoutProblem> problem_;
};

void tellProblem(const LayoutProblem& problem, UserInteraction& user, const LanguageTables& language) {
    if (problem.kind == LayoutProblem::Kind::Missing) {
        showMessageBoxen(user, language, MessageIcon::Critical, {kLayoutIncompleteEntry});
        return;
    }
    user.showMessage({.text = language.text(LanguageTable::MessageBoxen, kLayoutValueInvalidEntry) +
                              QStringLiteral("\r\n%1 = \"%2\"").arg(problem.name, problem.text),
                      .icon = MessageIcon::Critical});
}

}  // namespace

int ReportLayout::pageCapacity() const {
    return characteristicsInRows ? endRow - startRow + 1 : static_cast<int>(measurementColumns.size());
}

ResolvedLayout resolveLayout(const LayoutValues& values) {
    return LayoutResolver(values).resolve();
}

std::optional<ReportLayout> readLayout(const SettingsStore& settings, int headerCount, UserInteraction& user,
                                       const LanguageTables& language) {
    const ResolvedLayout resolved = resolveLayout(readLayoutValues(settings, headerCount));
    if (!resolved.layout) {
        tellProblem(resolved.problem, user, language);
        return std::nullopt;
    }
    if (resolved.cappedColumn) {
        showMessageBoxen(user, language, MessageIcon::Information, {kColumnCappedEntry});
    }
    return resolved.layout;
}

}  // namespace korvex
