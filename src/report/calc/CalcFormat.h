#pragma once

#include "report/CellFormat.h"

#include <com/sun/star/uno/Any.hxx>
#include <com/sun/star/uno/Sequence.hxx>
#include <rtl/ustring.hxx>

#include <optional>

namespace korvex::calc {

// The office's cell properties of a format change, sorted by name as one multi-property call wants
// them.
struct CellProperties {
    css::uno::Sequence<rtl::OUString> names;
    css::uno::Sequence<css::uno::Any> values;
};

// `numberFormatKey` is the document's key of the change's number format.
CellProperties cellProperties(const FormatChange& change, std::optional<sal_Int32> numberFormatKey);

// The RGB value of a colour of the classic 56-colour palette (1..56).
sal_Int32 paletteRgb(int index);

// A column width in characters of the default font as the office's width in 1/100 mm.
sal_Int32 columnWidthOf(double characters);

}  // namespace korvex::calc
