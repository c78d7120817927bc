#include "report/xlsx/XlsxWorksheet.h"

#include "report/xlsx/CellText.h"
#include "report/xlsx/ColumnSet.h"
#include "report/xlsx/DayNumbers.h"
#include "report/xlsx/FormulaElements.h"
#include "report/xlsx/NumberFormats.h"
#include "report/xlsx/SharedFormulas.h"
#include "report/xlsx/SharedStrings.h"
#include "report/xlsx/StyleSheet.h"
#include "report/xlsx/VmlShapes.h"
#include "report/xlsx/WorksheetSchema.h"
#include "report/xlsx/XmlPart.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace korvex::xlsx {

namespace {

// The longest text a cell holds.
constexpr qsizetype kMaxCellTextLength = 32767;
constexpr auto kCellOrder = std::to_array<std::string_view>({"f", "v", "is", "extLst"});
constexpr double kMillisecondsPerDay = 86400000.0;

QByteArray shortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

QString numberText(const char* stored) {
    bool ok = false;
    const double value = QByteArray(stored).toDouble(&ok);
    return ok ? QString::number(value, 'g', 15) : toQString(stored);
}

// Both corners in A1 notation ("A1:H1048576"), as merges and selections are written.
QString cornersAddress(const CellRange& range) {
    return range.first == range.last ? range.first.address()
                                     : range.first.address() + u':' + range.last.address();
}

void setStyle(pugi::xml_node node, const char* attribute, int style) {
    pugi::xml_attribute existing = node.attribute(attribute);
    (existing ? existing : node.append_attribute(attribute)).set_value(style);
}

}  // namespace

SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> XlsxWorksheet::load(Context context, QByteArray bytes,
                                                                      const QString& partName) {
    std::unique_ptr<XlsxWorksheet> sheet(new XlsxWorksheet(context));
    sheet->text_ = std::move(bytes);
    SpreadsheetStatus parsed = parseXmlInPlace(sheet->document_, sheet->text_, partName);
    if (parsed) {
        parsed = checkSpreadsheetRoot(sheet->document_, partName, "worksheet");
    }
    if (!parsed) {
        return SpreadsheetError{parsed.error()};
    }
    const pugi::xml_node sheetData = childInOrder(sheet->root(), "sheetData", kWorksheetOrder);
    if (SpreadsheetStatus indexed = sheet->cells_.index(sheetData); !indexed) {
        return SpreadsheetError{
            QStringLiteral("the part \"%1\" is damaged: %2").arg(partName, indexed.error())};
    }
    unshareFormulas(sheetData);
    sheet->dropFormulaResults();
    return sheet;
}

SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> XlsxWorksheet::duplicate(const QString& partName) {
    return load(context_, serialize(), partName);
}

QString XlsxWorksheet::name() const {
    return context_.owner.nameOf(*this);
}

SpreadsheetStatus XlsxWorksheet::rename(const QString& newName) {
    return context_.owner.rename(*this, newName);
}

void XlsxWorksheet::select() {
    context_.owner.activate(*this);
}

pugi::xml_node XlsxWorksheet::sheetView() {
    pugi::xml_node views = childInOrder(root(), "sheetViews", kWorksheetOrder);
    pugi::xml_node view = views.child("sheetView");
    if (!view) {
        view = views.append_child("sheetView");
        view.append_attribute("workbookViewId") = 0;
    }
    return view;
}

void XlsxWorksheet::selectRange(const CellRange& range) {
    if (!range.isValid()) {
        return;
    }
    pugi::xml_node view = sheetView();
    const std::string activePane =
        view.child("pane").attribute("activePane").as_string(view.child("pane") ? "topLeft" : "");
    pugi::xml_node anchor = view.child("pane");
    for (pugi::xml_node selection = view.child("selection"); selection;) {
        const pugi::xml_node next = selection.next_sibling("selection");
        if (activePane == selection.attribute("pane").as_string(activePane.empty() ? "" : "topLeft")) {
            view.remove_child(selection);
        } else {
            anchor = selection;
        }
        selection = next;
    }
    pugi::xml_node selection =
        anchor ? view.insert_child_after("selection", anchor) : view.prepend_child("selection");
    if (!activePane.empty()) {
        selection.append_attribute("pane") = activePane.c_str();
    }
    selection.append_attribute("activeCell") = toUtf8(range.first.address()).constData();
    selection.append_attribute("sqref") = toUtf8(cornersAddress(range)).constData();
}

QString XlsxWorksheet::readText(CellRef cell) const {
    const pugi::xml_node node = cells_.find(cell);
    if (!node) {
        return {};
    }
    const std::string_view formula = node.child("f").text().get();
    if (!formula.empty()) {
        return u'=' + toQString(formula.data());
    }
    const std::string_view type = node.attribute("t").value();
    const char* value = node.child("v").text().get();
    if (type == "s") {
        const QString* text = context_.strings.text(node.child("v").text().as_llong(-1));
        return text == nullptr ? QString() : *text;
    }
    if (type == "inlineStr") {
        return stringItemText(node.child("is"));
    }
    if (type == "b") {
        return node.child("v").text().as_bool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    }
    if (type == "str" || type == "e" || *value == '\0') {
        return node.child("f") && *value == '\0' ? QStringLiteral("=") : unescapeCellText(toQString(value));
    }
    return numberText(value);
}

pugi::xml_node XlsxWorksheet::obtainCell(CellRef cell) {
    const SheetCells::Obtained obtained = cells_.obtain(cell);
    if (obtained.created) {
        const pugi::xml_node row = cells_.rows().at(cell.row).node;
        const std::optional<int> style = row.attribute("customFormat").as_bool()
                                             ? std::optional(row.attribute("s").as_int())
                                             : ColumnSet(root()).styleOf(cell.column);
        if (style && *style != 0) {
            setStyle(obtained.cell, "s", *style);
        }
    }
    return obtained.cell;
}

void XlsxWorksheet::writeValue(CellRef cell, const char* type, const QByteArray& value) {
    if (!cell.isValid()) {
        return;
    }
    pugi::xml_node node = obtainCell(cell);
    for (const char* child : {"f", "v", "is"}) {
        node.remove_child(child);
    }
    node.remove_attribute("t");
    if (type != nullptr) {
        node.append_attribute("t") = type;
    }
    if (!value.isEmpty()) {
        childInOrder(node, "v", kCellOrder).text().set(value.constData());
    }
}

void XlsxWorksheet::writeText(CellRef cell, const QString& text) {
    if (text.isEmpty()) {
        writeValue(cell, nullptr, {});
        return;
    }
    const int index = context_.strings.indexOf(text.left(kMaxCellTextLength));
    writeValue(cell, "s", QByteArray::number(index));
}

void XlsxWorksheet::writeNumber(CellRef cell, double value) {
    if (!std::isfinite(value)) {
        writeValue(cell, "e", "#NUM!");
        return;
    }
    writeValue(cell, nullptr, shortestText(value));
}

void XlsxWorksheet::writeDayNumber(CellRef cell, double dayNumber, int formatId) {
    writeNumber(cell, dayNumber);
    if (!cell.isValid()) {
        return;
    }
    pugi::xml_node node = cells_.find(cell);
    const int style = node.attribute("s").as_int();
    if (!context_.styles.showsDateOrTime(style)) {
        setStyle(node, "s", context_.styles.withNumberFormatId(style, formatId));
    }
}

void XlsxWorksheet::writeDate(CellRef cell, const QDate& date) {
    const std::optional<double> days = dayNumberOf(date, context_.dates);
    if (!days) {
        writeText(cell, date.toString(Qt::ISODate));
        return;
    }
    writeDayNumber(cell, *days, kShortDateFormatId);
}

void XlsxWorksheet::writeTime(CellRef cell, const QTime& time) {
    if (!time.isValid()) {
        writeText(cell, {});
        return;
    }
    writeDayNumber(cell, time.msecsSinceStartOfDay() / kMillisecondsPerDay, kTimeFormatId);
}

void XlsxWorksheet::format(const CellRange& range, const FormatChange& change) {
    if (!range.isValid()) {
        return;
    }
    const auto restyle = [&](pugi::xml_node node, const char* attribute) {
        setStyle(node, attribute, context_.styles.derive(node.attribute(attribute).as_int(), change));
    };
    if (!range.coversWholeColumns()) {
        for (int row = range.first.row; row <= range.last.row; ++row) {
            for (int column = range.first.column; column <= range.last.column; ++column) {
                restyle(obtainCell({row, column}), "s");
            }
        }
        return;
    }
    ColumnSet(root()).change(range.first.column, range.last.column,
                             [&](pugi::xml_node column) { restyle(column, "style"); });
    for (const auto& [number, row] : cells_.rows()) {
        for (auto cell = row.cells.lowerBound(range.first.column);
             cell != row.cells.end() && cell->first <= range.last.column; ++cell) {
            restyle(cell->second, "s");
        }
    }
}

std::vector<CellRange> XlsxWorksheet::mergedRanges() const {
    std::vector<CellRange> ranges;
    for (pugi::xml_node merge : root().child("mergeCells").children("mergeCell")) {
        if (const auto range = CellRange::parse(toQString(merge.attribute("ref").value()))) {
            ranges.push_back(*range);
        }
    }
    return ranges;
}

void XlsxWorksheet::removeMergesOverlapping(const CellRange& range) {
    pugi::xml_node merges = root().child("mergeCells");
    for (pugi::xml_node merge = merges.child("mergeCell"); merge;) {
        const pugi::xml_node next = merge.next_sibling("mergeCell");
        const auto merged = CellRange::parse(toQString(merge.attribute("ref").value()));
        if (!merged || merged->intersects(range)) {
            merges.remove_child(merge);
        }
        merge = next;
    }
    if (merges && !merges.child("mergeCell")) {
        root().remove_child(merges);
    } else if (merges) {
        setStyle(merges, "count", static_cast<int>(std::distance(merges.begin(), merges.end())));
    }
}

void XlsxWorksheet::merge(const CellRange& range) {
    if (!range.isValid() || range.first == range.last) {
        return;
    }
    removeMergesOverlapping(range);
    pugi::xml_node merges = childInOrder(root(), "mergeCells", kWorksheetOrder);
    merges.append_child("mergeCell").append_attribute("ref") = toUtf8(cornersAddress(range)).constData();
    setStyle(merges, "count", static_cast<int>(std::distance(merges.begin(), merges.end())));
}

void XlsxWorksheet::unmerge(const CellRange& range) {
    if (range.isValid()) {
        removeMergesOverlapping(range);
    }
}

void XlsxWorksheet::setColumnWidth(int firstColumn, int lastColumn, double width) {
    if (!CellRange::columns(firstColumn, lastColumn).isValid() || !(width >= 0.0 && width <= 255.0)) {
        return;
    }
    ColumnSet(root()).change(firstColumn, lastColumn, [&](pugi::xml_node column) {
        column.remove_attribute("width");
        column.remove_attribute("customWidth");
        column.append_attribute("width") = width;
        column.append_attribute("customWidth") = 1;
    });
}

void XlsxWorksheet::autofitColumn(int column) {
    std::vector<CellRange> wideMerges = mergedRanges();
    std::erase_if(wideMerges, [](const CellRange& merge) { return merge.first.column == merge.last.column; });
    double widest = 0.0;
    for (const auto& [number, row] : cells_.rows()) {
        const auto cell = row.cells.find(column);
        const CellRef reference{number, column};
        if (cell == row.cells.end() || cell->second.child("f") ||
            std::ranges::any_of(wideMerges,
                                [&](const CellRange& merge) { return merge.contains(reference); })) {
            continue;
        }
        qsizetype longestLine = 0;
        for (const QString& line : readText(reference).split(u'\n')) {
            longestLine = std::max(longestLine, line.size());
        }
        const double scale = context_.styles.fontSizeOf(cell->second.attribute("s").as_int()) / 11.0;
        widest = std::max(widest, static_cast<double>(longestLine) * scale * 1.1);
    }
    if (widest > 0.0) {
        setColumnWidth(column, column, std::min(widest + 1.0, 255.0));
        ColumnSet(root()).change(column, column, [](pugi::xml_node node) {
            node.remove_attribute("bestFit");
            node.append_attribute("bestFit") = 1;
        });
    }
}

void XlsxWorksheet::freezePanes(CellRef topLeftOfScrollingPart) {
    if (!topLeftOfScrollingPart.isValid()) {
        return;
    }
    pugi::xml_node view = sheetView();
    view.remove_child("pane");
    while (view.remove_child("selection")) {
    }
    const int frozenColumns = topLeftOfScrollingPart.column - 1;
    const int frozenRows = topLeftOfScrollingPart.row - 1;
    if (frozenColumns == 0 && frozenRows == 0) {
        return;
    }
    const char* activePane =
        frozenColumns == 0 ? "bottomLeft" : (frozenRows == 0 ? "topRight" : "bottomRight");
    pugi::xml_node pane = view.prepend_child("pane");
    if (frozenColumns > 0) {
        pane.append_attribute("xSplit") = frozenColumns;
    }
    if (frozenRows > 0) {
        pane.append_attribute("ySplit") = frozenRows;
    }
    pane.append_attribute("topLeftCell") = toUtf8(topLeftOfScrollingPart.address()).constData();
    pane.append_attribute("activePane") = activePane;
    pane.append_attribute("state") = "frozen";
    selectRange(CellRange{topLeftOfScrollingPart, topLeftOfScrollingPart});
}

void XlsxWorksheet::setTabSelected(bool selected) {
    pugi::xml_node views = root().child("sheetViews");
    if (!selected && !views) {
        return;
    }
    bool first = true;
    for (pugi::xml_node view : (views ? views : sheetView().parent()).children("sheetView")) {
        view.remove_attribute("tabSelected");
        if (selected && first) {
            view.append_attribute("tabSelected") = 1;
        }
        first = false;
    }
}

void XlsxWorksheet::dropFormulaResults() {
    for (const auto& [number, row] : cells_.rows()) {
        for (auto [column, cell] : row.cells) {
            if (cell.child("f")) {
                cell.remove_child("v");
                cell.remove_attribute("t");
            }
        }
    }
}

void XlsxWorksheet::renameSheetInOwnFormulas(const QString& oldName, const QString& newName) {
    renameSheetInFormulas(root(), oldName, newName);
}

void XlsxWorksheet::moveShapeIds(int fromBlock, int toBlock) {
    for (const pugi::xpath_node& found : root().select_nodes(".//*[@shapeId]")) {
        pugi::xml_attribute id = found.node().attribute("shapeId");
        if (blockOfShapeId(id.as_int()) == fromBlock) {
            id.set_value(shapeIdInBlock(id.as_int(), toBlock));
        }
    }
}

void XlsxWorksheet::updateDimension() {
    const std::optional<CellRange> used = cells_.usedRange();
    pugi::xml_node dimension = childInOrder(root(), "dimension", kWorksheetOrder);
    dimension.remove_attribute("ref");
    dimension.append_attribute("ref") =
        toUtf8(used ? cornersAddress(*used) : QStringLiteral("A1")).constData();
}

QByteArray XlsxWorksheet::serialize() {
    updateDimension();
    return serializeXml(document_);
}

}  // namespace korvex::xlsx
