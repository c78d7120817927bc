#pragma once

#include "report/Worksheet.h"
#include "report/xlsx/DayNumbers.h"
#include "report/xlsx/SheetCells.h"

#include <QByteArray>

#include <pugixml.hpp>

#include <memory>

namespace korvex::xlsx {

class SharedStrings;
class StyleSheet;
class XlsxWorksheet;

// What a worksheet asks of the workbook that holds it.
class SheetOwner {
  public:
    virtual ~SheetOwner() = default;
    virtual QString nameOf(const XlsxWorksheet& sheet) const = 0;
    virtual SpreadsheetStatus rename(XlsxWorksheet& sheet, const QString& newName) = 0;
    virtual void activate(XlsxWorksheet& sheet) = 0;
};

// A worksheet part of the embedded engine, loaded into a DOM. Formulas lose their stored results on
// load, so that every reader calculates them anew.
class XlsxWorksheet final : public Worksheet {
  public:
    struct Context {
        SheetOwner& owner;
        SharedStrings& strings;
        StyleSheet& styles;
        DateSystem dates = DateSystem::From1900;
    };

    // Parses the part inside `bytes`, which the sheet keeps: its DOM points into them.
    static SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> load(Context context, QByteArray bytes,
                                                                  const QString& partName);

    // A copy of the sheet's content, for a copy of the sheet; it shares the workbook's context. The
    // copy is parsed from the sheet as it would be saved: that costs no more time than copying the
    // DOM and much less memory, since the copy's names and values stay in its own text.
    SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> duplicate(const QString& partName);

    QString name() const override;
    SpreadsheetStatus rename(const QString& newName) override;
    void select() override;
    void selectRange(const CellRange& range) override;

    QString readText(CellRef cell) const override;
    void writeText(CellRef cell, const QString& text) override;
    void writeNumber(CellRef cell, double value) override;
    void writeDate(CellRef cell, const QDate& date) override;
    void writeTime(CellRef cell, const QTime& time) override;

    void format(const CellRange& range, const FormatChange& change) override;
    void merge(const CellRange& range) override;
    void unmerge(const CellRange& range) override;
    void setColumnWidth(int firstColumn, int lastColumn, double width) override;
    void autofitColumn(int column) override;
    void freezePanes(CellRef topLeftOfScrollingPart) override;

    // The sheet's formulas (cells, validations, conditional formats, sparklines) that name the sheet
    // `oldName` name `newName` instead.
    void renameSheetInOwnFormulas(const QString& oldName, const QString& newName);
    // The shape ids of its controls and embedded objects follow a VML drawing from one block of
    // shape ids to another.
    void moveShapeIds(int fromBlock, int toBlock);
    // Whether the sheet's tab is selected, as the workbook will open.
    void setTabSelected(bool selected);
    QByteArray serialize();

  private:
    explicit XlsxWorksheet(Context context) : context_(context) {}

    pugi::xml_node root() const { return document_.document_element(); }
    pugi::xml_node sheetView();
    // The cell, added when missing with the format of its row or column.
    pugi::xml_node obtainCell(CellRef cell);
    void writeValue(CellRef cell, const char* type, const QByteArray& value);
    void writeDayNumber(CellRef cell, double dayNumber, int formatId);
    void dropFormulaResults();
    void updateDimension();
    void removeMergesOverlapping(const CellRange& range);
    std::vector<CellRange> mergedRanges() const;

    Context context_;
    // The part's text as loaded, which the DOM's names and values point into.
    QByteArray text_;
    pugi::xml_document document_;
    SheetCells cells_;
};

}  // namespace korvex::xlsx
