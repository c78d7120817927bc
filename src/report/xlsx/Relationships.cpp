#include "report/xlsx/Relationships.h"

#include "report/xlsx/XmlPart.h"

#include <algorithm>

namespace korvex::xlsx {

namespace {

constexpr std::string_view kRelationshipTypePrefix =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

}  // namespace

bool Relationship::hasType(std::string_view name) const {
    return type == relationshipType(name);
}

QString relationshipType(std::string_view name) {
    return QString::fromUtf8(kRelationshipTypePrefix.data(),
                             static_cast<qsizetype>(kRelationshipTypePrefix.size())) +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

SpreadsheetResult<Relationships> Relationships::parse(const QByteArray& bytes, const QString& partName) {
    pugi::xml_document document;
    if (SpreadsheetStatus parsed = parseXml(document, bytes, partName); !parsed) {
        return SpreadsheetError{parsed.error()};
    }
    makeNamespaceDefault(document, kRelationshipsNamespace);
    Relationships relationships;
    for (pugi::xml_node node : document.document_element().children("Relationship")) {
        relationships.relationships_.push_back(
            {toQString(node.attribute("Id").value()), toQString(node.attribute("Type").value()),
             toQString(node.attribute("Target").value()),
             std::string_view(node.attribute("TargetMode").value()) == "External"});
    }
    return relationships;
}

const Relationship* Relationships::byId(const QString& id) const {
    const auto found = std::ranges::find(relationships_, id, &Relationship::id);
    return found == relationships_.end() ? nullptr : &*found;
}

const Relationship* Relationships::firstOfType(std::string_view name) const {
    const auto found =
        std::ranges::find_if(relationships_, [&](const Relationship& r) { return r.hasType(name); });
    return found == relationships_.end() ? nullptr : &*found;
}

QString Relationships::add(const QString& type, const QString& target) {
    int number = static_cast<int>(relationships_.size()) + 1;
    while (byId(QStringLiteral("rId%1").arg(number)) != nullptr) {
        ++number;
    }
    const QString id = QStringLiteral("rId%1").arg(number);
    relationships_.push_back({id, type, target, false});
    return id;
}

void Relationships::removeOfType(std::string_view name) {
    std::erase_if(relationships_, [&](const Relationship& r) { return r.hasType(name); });
}

void Relationships::retarget(const QString& id, const QString& target) {
    const auto found = std::ranges::find(relationships_, id, &Relationship::id);
    if (found != relationships_.end()) {
        found->target = target;
    }
}

QByteArray Relationships::serialize() const {
    pugi::xml_document document;
    appendDeclaration(document);
    pugi::xml_node root = document.append_child("Relationships");
    root.append_attribute("xmlns") = kRelationshipsNamespace;
    for (const Relationship& relationship : relationships_) {
        pugi::xml_node node = root.append_child("Relationship");
        node.append_attribute("Id") = toUtf8(relationship.id).constData();
        node.append_attribute("Type") = toUtf8(relationship.type).constData();
        node.append_attribute("Target") = toUtf8(relationship.target).constData();
        if (relationship.external) {
            node.append_attribute("TargetMode") = "External";
        }
    }
    return serializeXml(document);
}

}  // namespace korvex::xlsx
