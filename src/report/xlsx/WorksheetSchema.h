#pragma once

#include <array>
#include <span>
#include <string_view>

namespace korvex::xlsx {

// The order of a worksheet's child elements; new elements go to their place in it.
inline constexpr auto kWorksheetOrder = std::to_array<std::string_view>({"sheetPr",
                                                                         "dimension",
                                                                         "sheetViews",
                                                                         "sheetFormatPr",
                                                                         "cols",
                                                                         "sheetData",
                                                                         "sheetCalcPr",
                                                                         "sheetProtection",
                                                                         "protectedRanges",
                                                                         "scenarios",
                                                                         "autoFilter",
                                                                         "sortState",
                                                                         "dataConsolidate",
                                                                         "customSheetViews",
                                                                         "mergeCells",
                                                                         "phoneticPr",
                                                                         "conditionalFormatting",
                                                                         "dataValidations",
                                                                         "hyperlinks",
                                                                         "printOptions",
                                                                         "pageMargins",
                                                                         "pageSetup",
                                                                         "headerFooter",
                                                                         "rowBreaks",
                                                                         "colBreaks",
                                                                         "customProperties",
                                                                         "cellWatches",
                                                                         "ignoredErrors",
                                                                         "smartTags",
                                                                         "drawing",
                                                                         "legacyDrawing",
                                                                         "legacyDrawingHF",
                                                                         "drawingHF",
                                                                         "picture",
                                                                         "oleObjects",
                                                                         "controls",
                                                                         "webPublishItems",
                                                                         "tableParts",
                                                                         "extLst"});

}  // namespace korvex::xlsx
