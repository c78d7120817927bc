#pragma once

namespace korvex::xlsx {

// The spreadsheet's palette colour n (1..56) is entry n + 7 of a workbook's indexed colours: entries
// 0..7 repeat the eight basic colours, so colour index 3 (red) is written as indexed="10".
constexpr int indexedColorOf(int paletteIndex) {
    return paletteIndex + 7;
}

// The indexed colour that stands for the system background (the background of a solid fill).
inline constexpr int kSystemBackgroundIndex = 64;

}  // namespace korvex::xlsx
