#pragma once

#include <pugixml.hpp>

#include <algorithm>
#include <utility>
#include <vector>

namespace korvex::xlsx {

// The cells of one row by column number, in a sorted vector: a large sheet holds millions of cells,
// and a tree node per cell would cost four times the memory. A row holds at most 16,384 cells, so a
// cell inserted between others stays cheap.
class RowCells {
  public:
    using Entry = std::pair<int, pugi::xml_node>;
    using iterator = std::vector<Entry>::iterator;
    using const_iterator = std::vector<Entry>::const_iterator;

    bool empty() const { return entries_.empty(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    const Entry& front() const { return entries_.front(); }
    const Entry& back() const { return entries_.back(); }

    // The first cell at or after `column`.
    const_iterator lowerBound(int column) const {
        return std::ranges::lower_bound(entries_, column, {}, &Entry::first);
    }
    // The cell in `column`; end() when there is none.
    const_iterator find(int column) const {
        const auto found = lowerBound(column);
        return found != end() && found->first == column ? found : end();
    }
    // Adds a cell right before `next` (the first cell after it, or end()).
    void insert(const_iterator next, int column, pugi::xml_node node) {
        entries_.emplace(next, column, node);
    }

  private:
    std::vector<Entry> entries_;
};

}  // namespace korvex::xlsx
