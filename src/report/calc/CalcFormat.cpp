#include "report/calc/CalcFormat.h"

#include "report/calc/UnoText.h"

#include <com/sun/star/awt/FontStrikeout.hpp>
#include <com/sun/star/awt/FontUnderline.hpp>
#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>
#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/table/CellVertJustify2.hpp>
#include <com/sun/star/table/TableBorder2.hpp>

#include <array>
#include <cmath>
#include <map>
#include <string>

namespace korvex::calc {
namespace {

using css::uno::Any;

constexpr std::array<sal_Int32, 56> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

// The office's "no colour": the automatic font colour and the transparent background.
constexpr sal_Int32 kNoColor = -1;
// A thin line, 0.75 pt.
constexpr sal_Int16 kThinLineWidth = 26;
// The default font's widest digit and a column's padding, in pixels at 96 dpi.
constexpr double kDigitPixels = 7.0;
constexpr double kPaddingPixels = 5.0;
constexpr double kHundredthMillimetresPerPixel = 2540.0 / 96.0;

using Properties = std::map<std::string, Any>;

sal_Int32 colorOf(const PaletteColor& color) {
    return color.isAutomatic() || !color.isValid() ? kNoColor : paletteRgb(color.index);
}

void addFont(const FontChange& font, Properties& properties) {
    if (font.name) {
        properties["CharFontName"] <<= toUno(*font.name);
    }
    if (font.size && *font.size > 0.0) {
        properties["CharHeight"] <<= static_cast<float>(*font.size);
    }
    if (font.bold) {
        properties["CharWeight"] <<= *font.bold ? css::awt::FontWeight::BOLD : css::awt::FontWeight::NORMAL;
    }
    if (font.underline) {
        properties["CharUnderline"] <<=
            static_cast<sal_Int16>(*font.underline == Underline::Single ? css::awt::FontUnderline::SINGLE
                                                                        : css::awt::FontUnderline::NONE);
    }
    if (font.color) {
        properties["CharColor"] <<= colorOf(*font.color);
    }
    if (font.plainEffects) {
        properties["CharStrikeout"] <<= static_cast<sal_Int16>(css::awt::FontStrikeout::NONE);
        properties["CharEscapement"] <<= static_cast<sal_Int16>(0);
        properties["CharContoured"] <<= false;
        properties["CharShadowed"] <<= false;
    }
}

css::table::CellHoriJustify horizontalOf(HorizontalAlignment alignment) {
    switch (alignment) {
        case HorizontalAlignment::Left:
            return css::table::CellHoriJustify_LEFT;
        case HorizontalAlignment::Center:
            return css::table::CellHoriJustify_CENTER;
        case HorizontalAlignment::Right:
            return css::table::CellHoriJustify_RIGHT;
        case HorizontalAlignment::General:
            break;
    }
    return css::table::CellHoriJustify_STANDARD;
}

sal_Int32 verticalOf(VerticalAlignment alignment) {
    switch (alignment) {
        case VerticalAlignment::Top:
            return css::table::CellVertJustify2::TOP;
        case VerticalAlignment::Center:
            return css::table::CellVertJustify2::CENTER;
        case VerticalAlignment::Bottom:
            break;
    }
    return css::table::CellVertJustify2::BOTTOM;
}

void addAlignment(const AlignmentChange& alignment, Properties& properties) {
    if (alignment.horizontal) {
        properties["HoriJustify"] <<= horizontalOf(*alignment.horizontal);
    }
    if (alignment.vertical) {
        properties["VertJustify"] <<= verticalOf(*alignment.vertical);
    }
    if (alignment.wrapText) {
        properties["IsTextWrapped"] <<= *alignment.wrapText;
    }
    if (alignment.shrinkToFit) {
        properties["ShrinkToFit"] <<= *alignment.shrinkToFit;
    }
    if (alignment.orientation) {
        // Hundredths of a degree, counter-clockwise, 0 up to one full turn.
        const int degrees = ((*alignment.orientation % 360) + 360) % 360;
        properties["RotateAngle"] <<= static_cast<sal_Int32>(degrees * 100);
    }
}

void addThinBorders(Properties& properties) {
    css::table::BorderLine2 thin;
    thin.Color = 0;
    thin.OuterLineWidth = kThinLineWidth;
    thin.LineWidth = kThinLineWidth;
    thin.LineStyle = css::table::BorderLineStyle::SOLID;
    css::table::TableBorder2 borders;
    borders.TopLine = borders.BottomLine = borders.LeftLine = borders.RightLine = thin;
    borders.HorizontalLine = borders.VerticalLine = thin;
    borders.IsTopLineValid = borders.IsBottomLineValid = borders.IsLeftLineValid = true;
    borders.IsRightLineValid = borders.IsHorizontalLineValid = borders.IsVerticalLineValid = true;
    properties["TableBorder2"] <<= borders;
    properties["DiagonalBLTR2"] <<= css::table::BorderLine2();
    properties["DiagonalTLBR2"] <<= css::table::BorderLine2();
}

}  // namespace

sal_Int32 paletteRgb(int index) {
    return index >= PaletteColor::kFirstIndex && index <= PaletteColor::kLastIndex
               ? kPalette[static_cast<std::size_t>(index - 1)]
               : kNoColor;
}

sal_Int32 columnWidthOf(double characters) {
    const double pixels = characters <= 0.0 ? 0.0 : std::floor(characters * kDigitPixels + kPaddingPixels);
    return static_cast<sal_Int32>(std::lround(pixels * kHundredthMillimetresPerPixel));
}

CellProperties cellProperties(const FormatChange& change, std::optional<sal_Int32> numberFormatKey) {
    Properties properties;
    if (change.fill && change.fill->isValid()) {
        const bool none = change.fill->isNone();
        properties["CellBackColor"] <<= none ? kNoColor : paletteRgb(change.fill->colorIndex);
        properties["IsCellBackgroundTransparent"] <<= none;
    }
    addFont(change.font, properties);
    addAlignment(change.alignment, properties);
    if (numberFormatKey) {
        properties["NumberFormat"] <<= *numberFormatKey;
    }
    if (change.thinBorders) {
        addThinBorders(properties);
    }
    CellProperties sorted;
    sorted.names.realloc(static_cast<sal_Int32>(properties.size()));
    sorted.values.realloc(static_cast<sal_Int32>(properties.size()));
    sal_Int32 index = 0;
    for (const auto& [name, value] : properties) {
        sorted.names.getArray()[index] = rtl::OUString::createFromAscii(name.c_str());
        sorted.values.getArray()[index] = value;
        ++index;
    }
    return sorted;
}

}  // namespace korvex::calc
