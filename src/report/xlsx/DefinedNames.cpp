#include "report/xlsx/DefinedNames.h"

#include "report/xlsx/SheetNames.h"
#include "report/xlsx/XmlPart.h"

#include <vector>

namespace korvex::xlsx {

namespace {

std::vector<pugi::xml_node> definedNames(pugi::xml_node workbook) {
    std::vector<pugi::xml_node> names;
    for (pugi::xml_node name : workbook.child("definedNames").children("definedName")) {
        names.push_back(name);
    }
    return names;
}

void renameIn(pugi::xml_node name, const QString& oldName, const QString& newName) {
    const QString formula = toQString(name.text().get());
    const QString renamed = renameSheetReferences(formula, oldName, newName);
    if (renamed != formula) {
        name.text().set(toUtf8(renamed).constData());
    }
}

}  // namespace

void shiftLocalSheetIds(pugi::xml_node workbook, int position) {
    for (pugi::xml_node name : definedNames(workbook)) {
        pugi::xml_attribute local = name.attribute("localSheetId");
        if (local && local.as_int() >= position) {
            local.set_value(local.as_int() + 1);
        }
    }
}

void copyLocalNames(pugi::xml_node workbook, int sourcePosition, int copyPosition, const QString& sourceName,
                    const QString& copyName) {
    for (pugi::xml_node name : definedNames(workbook)) {
        pugi::xml_attribute local = name.attribute("localSheetId");
        if (!local || local.as_int() != sourcePosition) {
            continue;
        }
        pugi::xml_node copy = name.parent().insert_copy_after(name, name);
        copy.attribute("localSheetId").set_value(copyPosition);
        renameIn(copy, sourceName, copyName);
    }
}

void renameSheetInNames(pugi::xml_node workbook, const QString& oldName, const QString& newName) {
    for (pugi::xml_node name : definedNames(workbook)) {
        renameIn(name, oldName, newName);
    }
}

}  // namespace korvex::xlsx
