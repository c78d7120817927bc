#include "report/xlsx/FormulaElements.h"

#include "report/xlsx/SheetNames.h"
#include "report/xlsx/XmlPart.h"

namespace korvex::xlsx {

namespace {

// "f" holds cell formulas, sparkline ranges (xm:f) and chart references (c:f); "formula" the
// conditional-format formulas; "formula1"/"formula2" the data-validation formulas.
constexpr const char* kFormulaElements =
    ".//*[local-name()='f' or local-name()='formula' or local-name()='formula1' or "
    "local-name()='formula2']";

}  // namespace

bool renameSheetInFormulas(pugi::xml_node root, const QString& oldName, const QString& newName) {
    bool changed = false;
    for (const pugi::xpath_node& found : root.select_nodes(kFormulaElements)) {
        pugi::xml_text text = found.node().text();
        const QString formula = toQString(text.get());
        const QString renamed = renameSheetReferences(formula, oldName, newName);
        if (renamed != formula) {
            text.set(toUtf8(renamed).constData());
            changed = true;
        }
    }
    return changed;
}

}  // namespace korvex::xlsx
