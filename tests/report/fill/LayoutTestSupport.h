#pragma once

#include "report/layout/LayoutValues.h"

#include <initializer_list>
#include <utility>

namespace korvex::test {

using LayoutTexts = std::initializer_list<std::pair<QStringView, const char*>>;

// Sets each named value to its text.
void setLayoutTexts(LayoutValues& values, LayoutTexts texts);

// A complete rows layout: characteristics on rows 10 to 39, measurements in E to H, every optional
// item placed, the program name in B3, the page number in H2 and the page count in H3.
LayoutValues rowsLayoutValues(int headerCount);

// The same report across the sheet: characteristics in columns D to F, measurements stacked in rows
// 10 to 12.
LayoutValues columnsLayoutValues(int headerCount);

}  // namespace korvex::test
