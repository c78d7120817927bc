#include "report/xlsx/FormulaElements.h"

#include "report/xlsx/SheetNames.h"
#include "report/xlsx/XmlPart.h"

#include <string_view>

namespace korvex::xlsx {

namespace {

// "f" holds cell formulas, sparkline ranges (xm:f) and chart references (c:f); "formula" the
// conditional-format formulas; "formula1"/"formula2" the data-validation formulas.
bool holdsFormula(const pugi::xml_node& node) {
    if (node.type() != pugi::node_element) {
        return false;
    }
    std::string_view name = node.name();
    if (const std::size_t colon = name.find(':'); colon != std::string_view::npos) {
        name.remove_prefix(colon + 1);
    }
    return name == "f" || name == "formula" || name == "formula1" || name == "formula2";
}

// Walks the tree once, without an XPath query's node sets: a large sheet has millions of nodes.
class FormulaRenamer : public pugi::xml_tree_walker {
  public:
    FormulaRenamer(const QString& oldName, const QString& newName) : oldName_(oldName), newName_(newName) {}
    bool for_each(pugi::xml_node& node) override {
        if (!holdsFormula(node)) {
            return true;
        }
        pugi::xml_text text = node.text();
        const QString formula = toQString(text.get());
        const QString renamed = renameSheetReferences(formula, oldName_, newName_);
        if (renamed != formula) {
            text.set(toUtf8(renamed).constData());
            changed_ = true;
        }
        return true;
    }
    bool changed() const { return changed_; }

  private:
    const QString& oldName_;
    const QString& newName_;
    bool changed_ = false;
};

}  // namespace

bool renameSheetInFormulas(pugi::xml_node root, const QString& oldName, const QString& newName) {
    FormulaRenamer renamer(oldName, newName);
    root.traverse(renamer);
    return renamer.changed();
}

}  // namespace korvex::xlsx
