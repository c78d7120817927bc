#pragma once

#include <QString>

#include <optional>

namespace korvex {

// A colour of the spreadsheet's classic 56-colour palette by its index (3 = red, 15 = light grey,
// 33 = light blue), or the automatic colour.
struct PaletteColor {
    static constexpr int kAutomatic = -4105;
    static constexpr int kFirstIndex = 1;
    static constexpr int kLastIndex = 56;

    int index = kAutomatic;

    static constexpr PaletteColor automatic() { return {}; }
    bool isAutomatic() const { return index == kAutomatic; }
    bool isValid() const { return isAutomatic() || (index >= kFirstIndex && index <= kLastIndex); }
    friend bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

// The interior of a cell: a solid fill of a palette colour, or no fill at all.
struct CellFill {
    static constexpr int kNone = -4142;

    int colorIndex = kNone;

    static constexpr CellFill none() { return {}; }
    static constexpr CellFill solid(int paletteIndex) { return {paletteIndex}; }
    bool isNone() const { return colorIndex == kNone; }
    bool isValid() const {
        return isNone() ||
               (colorIndex >= PaletteColor::kFirstIndex && colorIndex <= PaletteColor::kLastIndex);
    }
    friend bool operator==(const CellFill&, const CellFill&) = default;
};

enum class Underline { None, Single };

// Font members to change; members left empty keep what the cell has.
struct FontChange {
    std::optional<QString> name;
    std::optional<double> size;
    std::optional<bool> bold;
    std::optional<Underline> underline;
    std::optional<PaletteColor> color;
    // True clears strikethrough, superscript, subscript, outline and shadow.
    bool plainEffects = false;
};

enum class HorizontalAlignment { General, Left, Center, Right };
enum class VerticalAlignment { Top, Center, Bottom };

struct AlignmentChange {
    std::optional<HorizontalAlignment> horizontal;
    std::optional<VerticalAlignment> vertical;
    std::optional<bool> wrapText;
    std::optional<bool> shrinkToFit;
    // Text rotation in degrees, 0 = horizontal.
    std::optional<int> orientation;
};

// What a formatting call changes on every cell of a range; empty members are left alone.
struct FormatChange {
    std::optional<CellFill> fill;
    FontChange font;
    AlignmentChange alignment;
    // A number format code such as "#,##0.0000" or "General".
    std::optional<QString> numberFormat;
    // True draws thin continuous lines of the automatic colour on every edge of every cell (outer
    // edges and inside lines) and removes diagonal lines.
    bool thinBorders = false;
};

}  // namespace korvex
