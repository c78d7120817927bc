#include "report/xlsx/ContentTypes.h"

#include "report/xlsx/XmlPart.h"

namespace korvex::xlsx {

namespace {

constexpr std::string_view kContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";

}  // namespace

SpreadsheetResult<ContentTypes> ContentTypes::parse(const QByteArray& bytes) {
    pugi::xml_document document;
    if (SpreadsheetStatus parsed = parseXml(document, bytes, QString::fromUtf8(kPartName)); !parsed) {
        return SpreadsheetError{parsed.error()};
    }
    makeNamespaceDefault(document, kContentTypesNamespace);
    ContentTypes types;
    for (pugi::xml_node node : document.document_element().children()) {
        const QString contentType = toQString(node.attribute("ContentType").value());
        if (std::string_view(node.name()) == "Default") {
            types.defaults_[toQString(node.attribute("Extension").value()).toLower()] = contentType;
        } else if (std::string_view(node.name()) == "Override") {
            QString part = toQString(node.attribute("PartName").value());
            types.overrides_[part.startsWith(u'/') ? part.mid(1) : part] = contentType;
        }
    }
    return types;
}

QString ContentTypes::of(const QString& part) const {
    if (const auto override = overrides_.find(part); override != overrides_.end()) {
        return override->second;
    }
    const qsizetype dot = part.lastIndexOf(u'.');
    if (dot < 0 || dot < part.lastIndexOf(u'/')) {
        return {};
    }
    const auto found = defaults_.find(part.mid(dot + 1).toLower());
    return found == defaults_.end() ? QString() : found->second;
}

void ContentTypes::setOverride(const QString& part, const QString& contentType) {
    overrides_[part] = contentType;
}

void ContentTypes::removeOverride(const QString& part) {
    overrides_.erase(part);
}

QByteArray ContentTypes::serialize() const {
    pugi::xml_document document;
    appendDeclaration(document);
    pugi::xml_node root = document.append_child("Types");
    root.append_attribute("xmlns") = kContentTypesNamespace.data();
    for (const auto& [extension, contentType] : defaults_) {
        pugi::xml_node node = root.append_child("Default");
        node.append_attribute("Extension") = toUtf8(extension).constData();
        node.append_attribute("ContentType") = toUtf8(contentType).constData();
    }
    for (const auto& [part, contentType] : overrides_) {
        pugi::xml_node node = root.append_child("Override");
        node.append_attribute("PartName") = toUtf8(u'/' + part).constData();
        node.append_attribute("ContentType") = toUtf8(contentType).constData();
    }
    return serializeXml(document);
}

}  // namespace korvex::xlsx
