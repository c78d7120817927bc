#pragma once

#include "report/CellFormat.h"
#include "report/SpreadsheetResult.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace korvex::xlsx {

// The workbook's styles part. A formatting change on a cell gives its cell format (xf) a derived
// copy; each derived format, font, fill and border is made once and reused by every cell that asks
// for the same change of the same format.
class StyleSheet {
  public:
    // Held by pointer: the lists keep handles into the document.
    static SpreadsheetResult<std::unique_ptr<StyleSheet>> parse(const QByteArray& bytes,
                                                                const QString& partName);

    // The cell format that is `xf` with the change applied; unknown colours and sizes are left out.
    int derive(int xf, const FormatChange& requested);
    // The cell format that is `xf` showing numbers with the built-in format `formatId`.
    int withNumberFormatId(int xf, int formatId);
    bool showsDateOrTime(int xf) const;
    double fontSizeOf(int xf) const;

    bool isChanged() const { return changed_; }
    QByteArray serialize() const;

  private:
    // One list of the styles part (fonts, fills, borders, cellXfs) with a lookup of equal entries.
    struct Collection {
        pugi::xml_node node;
        std::vector<pugi::xml_node> items;
        std::unordered_map<std::string, int> keys;
        bool keysBuilt = false;
    };

    SpreadsheetStatus load(const QString& partName);
    Collection collect(const char* listName, const char* itemName);
    int findOrAppend(Collection& collection, pugi::xml_node candidate);
    int numberFormatId(const QString& code);
    pugi::xml_node xfNode(int xf) const;
    pugi::xml_node scratchCopy(pugi::xml_node node);
    int derivedFont(int font, const FontChange& change);
    int fillFor(const CellFill& fill);
    int thinBorder();
    void applyAlignment(pugi::xml_node xf, const AlignmentChange& change);

    pugi::xml_document document_;
    // Candidates for new entries are built here and copied into the styles part when new.
    pugi::xml_document scratch_;
    Collection fonts_;
    Collection fills_;
    Collection borders_;
    Collection cellXfs_;
    std::map<std::pair<int, std::string>, int> derived_;
    bool changed_ = false;
};

}  // namespace korvex::xlsx
