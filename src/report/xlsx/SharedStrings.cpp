#include "report/xlsx/SharedStrings.h"

#include "report/xlsx/CellText.h"
#include "report/xlsx/XmlPart.h"

namespace korvex::xlsx {

SharedStrings::SharedStrings() {
    appendDeclaration(document_);
    document_.append_child("sst").append_attribute("xmlns") = kSpreadsheetNamespace.data();
}

SpreadsheetResult<std::unique_ptr<SharedStrings>> SharedStrings::parse(const QByteArray& bytes,
                                                                       const QString& partName) {
    auto strings = std::make_unique<SharedStrings>();
    if (SpreadsheetStatus parsed = parseSpreadsheetXml(strings->document_, bytes, partName, "sst"); !parsed) {
        return SpreadsheetError{parsed.error()};
    }
    for (pugi::xml_node item : strings->document_.document_element().children("si")) {
        const bool plain = !item.child("r");
        strings->texts_.push_back(stringItemText(item));
        if (plain) {
            strings->plainIndexes_.try_emplace(strings->texts_.back(),
                                               static_cast<int>(strings->texts_.size() - 1));
        }
    }
    return strings;
}

const QString* SharedStrings::text(long long index) const {
    return index >= 0 && index < static_cast<long long>(texts_.size())
               ? &texts_[static_cast<std::size_t>(index)]
               : nullptr;
}

int SharedStrings::indexOf(const QString& text) {
    const auto [position, added] = plainIndexes_.try_emplace(text, static_cast<int>(texts_.size()));
    if (added) {
        texts_.push_back(text);
        setStringItemText(document_.document_element().append_child("si"), text);
        changed_ = true;
    }
    return position->second;
}

QByteArray SharedStrings::serialize() {
    pugi::xml_node root = document_.document_element();
    root.remove_attribute("count");
    pugi::xml_attribute unique = root.attribute("uniqueCount");
    (unique ? unique : root.append_attribute("uniqueCount")) = static_cast<unsigned long long>(texts_.size());
    return serializeXml(document_);
}

}  // namespace korvex::xlsx
