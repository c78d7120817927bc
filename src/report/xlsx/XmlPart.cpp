#include "report/xlsx/XmlPart.h"

#include <sstream>

namespace korvex::xlsx {

namespace {

constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
// Large parts also keep an element's text in the element instead of a text node of its own: a cell
// value then costs one node less. The engine reads and writes texts only through xml_text, which
// sees both alike, and they are written back the same.
constexpr unsigned kInPlaceParseOptions = kParseOptions | pugi::parse_embed_pcdata;

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

// Strips one prefix ("x:") from the names of all elements.
class PrefixStripper : public pugi::xml_tree_walker {
  public:
    explicit PrefixStripper(std::string prefix) : prefix_(std::move(prefix)) {}
    bool for_each(pugi::xml_node& node) override {
        const std::string_view name = node.name();
        if (node.type() == pugi::node_element && name.starts_with(prefix_)) {
            node.set_name(std::string(name.substr(prefix_.size())).c_str());
        }
        return true;
    }

  private:
    std::string prefix_;
};

std::string prefixBoundTo(pugi::xml_node element, std::string_view namespaceUri) {
    for (pugi::xml_attribute attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        if (name.starts_with("xmlns:") && attribute.value() == namespaceUri) {
            return std::string(name.substr(6)) + ':';
        }
    }
    return {};
}

SpreadsheetStatus statusOf(const pugi::xml_parse_result& result, const pugi::xml_document& document,
                           const QString& partName) {
    if (!result || !document.document_element()) {
        return SpreadsheetError{QStringLiteral("the part \"%1\" is not well-formed XML (%2 at byte %3)")
                                    .arg(partName, QString::fromUtf8(result.description()))
                                    .arg(result.offset)};
    }
    return {};
}

}  // namespace

void makeNamespaceDefault(pugi::xml_document& document, std::string_view namespaceUri) {
    pugi::xml_node root = document.document_element();
    const std::string prefix = prefixBoundTo(root, namespaceUri);
    if (prefix.empty() || !std::string_view(root.name()).starts_with(prefix) || root.attribute("xmlns")) {
        return;
    }
    PrefixStripper stripper(prefix);
    root.parent().traverse(stripper);
    root.prepend_attribute("xmlns") = std::string(namespaceUri).c_str();
}

SpreadsheetStatus parseXml(pugi::xml_document& document, const QByteArray& bytes, const QString& partName) {
    return statusOf(document.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kParseOptions,
                                         pugi::encoding_utf8),
                    document, partName);
}

SpreadsheetStatus parseXmlInPlace(pugi::xml_document& document, QByteArray& text, const QString& partName) {
    return statusOf(document.load_buffer_inplace(text.data(), static_cast<size_t>(text.size()),
                                                 kInPlaceParseOptions, pugi::encoding_utf8),
                    document, partName);
}

SpreadsheetStatus checkSpreadsheetRoot(pugi::xml_document& document, const QString& partName,
                                       std::string_view rootName) {
    makeNamespaceDefault(document, kSpreadsheetNamespace);
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != rootName ||
        std::string_view(root.attribute("xmlns").as_string()) != kSpreadsheetNamespace) {
        return SpreadsheetError{QStringLiteral("the part \"%1\" is not transitional SpreadsheetML "
                                               "(strict Office Open XML is not supported)")
                                    .arg(partName)};
    }
    return {};
}

SpreadsheetStatus parseSpreadsheetXml(pugi::xml_document& document, const QByteArray& bytes,
                                      const QString& partName, std::string_view rootName) {
    if (SpreadsheetStatus parsed = parseXml(document, bytes, partName); !parsed) {
        return parsed;
    }
    return checkSpreadsheetRoot(document, partName, rootName);
}

QByteArray serializeXml(const pugi::xml_document& document) {
    ByteWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(writer.bytes);
}

void appendDeclaration(pugi::xml_document& document) {
    pugi::xml_node declaration = document.prepend_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
}

std::string elementKey(pugi::xml_node node) {
    std::ostringstream stream;
    node.print(stream, "", pugi::format_raw);
    return stream.str();
}

pugi::xml_node childInOrder(pugi::xml_node parent, const char* name,
                            std::span<const std::string_view> order) {
    if (pugi::xml_node existing = parent.child(name)) {
        return existing;
    }
    auto rank = [&](std::string_view child) {
        std::size_t index = 0;
        for (std::string_view known : order) {
            if (known == child) {
                return index;
            }
            ++index;
        }
        return index;
    };
    const std::size_t wanted = rank(name);
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && rank(child.name()) > wanted) {
            return parent.insert_child_before(name, child);
        }
    }
    return parent.append_child(name);
}

QString relationshipIdOf(pugi::xml_node node, std::string_view localName) {
    for (pugi::xml_attribute attribute : node.attributes()) {
        const std::string_view name = attribute.name();
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos && name.substr(colon + 1) == localName) {
            return toQString(attribute.value());
        }
    }
    return {};
}

}  // namespace korvex::xlsx
