#include "report/xlsx/ColumnSet.h"

#include "report/xlsx/WorksheetSchema.h"
#include "report/xlsx/XmlPart.h"

#include <algorithm>
#include <vector>

namespace korvex::xlsx {

namespace {

// The width the spreadsheet application stores for its standard column of 8.43 characters.
constexpr double kStandardColumnWidth = 9.140625;

int minOf(pugi::xml_node column) {
    return column.attribute("min").as_int();
}
int maxOf(pugi::xml_node column) {
    return column.attribute("max").as_int();
}

void setRange(pugi::xml_node column, int first, int last) {
    column.attribute("min").set_value(first);
    column.attribute("max").set_value(last);
}

}  // namespace

std::optional<int> ColumnSet::styleOf(int column) const {
    for (pugi::xml_node node : worksheet_.child("cols").children("col")) {
        if (column >= minOf(node) && column <= maxOf(node) && node.attribute("style")) {
            return node.attribute("style").as_int();
        }
    }
    return std::nullopt;
}

double ColumnSet::defaultWidth() const {
    return worksheet_.child("sheetFormatPr").attribute("defaultColWidth").as_double(kStandardColumnWidth);
}

void ColumnSet::change(int first, int last, const std::function<void(pugi::xml_node)>& change) {
    pugi::xml_node cols = childInOrder(worksheet_, "cols", kWorksheetOrder);
    std::vector<pugi::xml_node> columns;
    for (pugi::xml_node node : cols.children("col")) {
        columns.push_back(node);
    }
    std::vector<pugi::xml_node> inside;
    for (pugi::xml_node node : std::vector(columns)) {
        const int low = minOf(node);
        const int high = maxOf(node);
        if (high < first || low > last) {
            continue;
        }
        if (low < first) {
            pugi::xml_node before = cols.insert_copy_before(node, node);
            setRange(before, low, first - 1);
            columns.push_back(before);
        }
        if (high > last) {
            pugi::xml_node after = cols.insert_copy_after(node, node);
            setRange(after, last + 1, high);
            columns.push_back(after);
        }
        setRange(node, std::max(low, first), std::min(high, last));
        inside.push_back(node);
    }
    std::ranges::sort(inside, {}, minOf);
    int next = first;
    const auto fillGap = [&](int gapEnd) {
        if (next <= gapEnd) {
            pugi::xml_node gap = cols.append_child("col");
            gap.append_attribute("min") = next;
            gap.append_attribute("max") = gapEnd;
            gap.append_attribute("width") = defaultWidth();
            columns.push_back(gap);
            inside.push_back(gap);
        }
    };
    for (pugi::xml_node node : std::vector(inside)) {
        fillGap(minOf(node) - 1);
        next = maxOf(node) + 1;
    }
    fillGap(last);
    for (pugi::xml_node node : inside) {
        change(node);
    }
    std::ranges::sort(columns, {}, minOf);
    for (pugi::xml_node node : columns) {
        cols.append_move(node);
    }
}

}  // namespace korvex::xlsx
