#pragma once

#include "report/SpreadsheetResult.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <array>
#include <span>
#include <string_view>

namespace korvex::xlsx {

// The main namespace of transitional SpreadsheetML, the only one the engine reads.
inline constexpr std::string_view kSpreadsheetNamespace =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// Parses an XML part. Fails when the XML is malformed or its root element is not `rootName` in the
// transitional SpreadsheetML namespace without prefix.
SpreadsheetStatus parseSpreadsheetXml(pugi::xml_document& document, const QByteArray& bytes,
                                      const QString& partName, std::string_view rootName);
// Parses an XML part inside `text` itself: the document keeps pointing into those bytes, so `text`
// must outlive it unchanged. A large part is then not held twice. Element texts are kept in their
// elements (read and write them through xml_text).
SpreadsheetStatus parseXmlInPlace(pugi::xml_document& document, QByteArray& text, const QString& partName);
// Fails unless the root element of a parsed part is `rootName` in the transitional SpreadsheetML
// namespace, after that namespace was made the default (see makeNamespaceDefault).
SpreadsheetStatus checkSpreadsheetRoot(pugi::xml_document& document, const QString& partName,
                                       std::string_view rootName);
// Writers may bind a part's namespace to a prefix (<x:workbook xmlns:x="...main">), which means the
// same as the default namespace. The elements of that namespace lose the prefix, so that the engine
// finds them by their plain names and writes them without it.
void makeNamespaceDefault(pugi::xml_document& document, std::string_view namespaceUri);
// Parses any XML part (relationships, content types, drawings).
SpreadsheetStatus parseXml(pugi::xml_document& document, const QByteArray& bytes, const QString& partName);
QByteArray serializeXml(const pugi::xml_document& document);
// Gives a new document the XML declaration that Office parts carry.
void appendDeclaration(pugi::xml_document& document);
// The XML text of one element, as a key for finding equal elements.
std::string elementKey(pugi::xml_node node);

// The child `name` of `parent`, created when missing at the place that `order` (the schema's
// sequence of child names) gives it.
pugi::xml_node childInOrder(pugi::xml_node parent, const char* name, std::span<const std::string_view> order);

inline QString toQString(const char* text) {
    return QString::fromUtf8(text);
}
inline QByteArray toUtf8(const QString& text) {
    return text.toUtf8();
}

// The value of a relationship-id attribute ("r:id", whatever the prefix) of an element.
QString relationshipIdOf(pugi::xml_node node, std::string_view localName = "id");

}  // namespace korvex::xlsx
