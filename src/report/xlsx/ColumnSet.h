#pragma once

#include <pugixml.hpp>

#include <functional>
#include <optional>

namespace korvex::xlsx {

// The column descriptions of a worksheet (<cols>): width and style of column ranges.
class ColumnSet {
  public:
    explicit ColumnSet(pugi::xml_node worksheet) : worksheet_(worksheet) {}

    // The cell format of a column, when one is set.
    std::optional<int> styleOf(int column) const;
    // Calls `change` on <col> elements that together cover exactly first..last, splitting ranges
    // and adding missing ones (at the sheet's default width).
    void change(int first, int last, const std::function<void(pugi::xml_node)>& change);

  private:
    double defaultWidth() const;

    pugi::xml_node worksheet_;
};

}  // namespace korvex::xlsx
