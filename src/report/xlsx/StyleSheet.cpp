#include "report/xlsx/StyleSheet.h"

#include "report/xlsx/NumberFormats.h"
#include "report/xlsx/PaletteIndex.h"
#include "report/xlsx/XmlPart.h"

#include <algorithm>

#include <array>
#include <string_view>

namespace korvex::xlsx {

namespace {

constexpr auto kStyleSheetOrder =
    std::to_array<std::string_view>({"numFmts", "fonts", "fills", "borders", "cellStyleXfs", "cellXfs",
                                     "cellStyles", "dxfs", "tableStyles", "colors", "extLst"});
constexpr auto kFontOrder =
    std::to_array<std::string_view>({"b", "i", "strike", "condense", "extend", "outline", "shadow", "u",
                                     "vertAlign", "sz", "color", "name", "family", "charset", "scheme"});
constexpr auto kXfOrder = std::to_array<std::string_view>({"alignment", "protection", "extLst"});

// The font sizes the spreadsheet application accepts, in points.
constexpr double kSmallestFontSize = 1.0;
constexpr double kLargestFontSize = 409.0;

// The minimal lists a styles part needs, added where a workbook's styles part lacks them.
constexpr const char* kDefaultFont = R"(<font><sz val="11"/><name val="Calibri"/><family val="2"/></font>)";
constexpr const char* kDefaultFills =
    R"(<fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill>)";
constexpr const char* kDefaultBorder = R"(<border><left/><right/><top/><bottom/><diagonal/></border>)";
constexpr const char* kDefaultXf = R"(<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)";

void appendFragment(pugi::xml_node parent, const char* fragment) {
    parent.append_buffer(fragment, std::char_traits<char>::length(fragment));
}

void setAttribute(pugi::xml_node node, const char* name, const char* value) {
    pugi::xml_attribute attribute = node.attribute(name);
    (attribute ? attribute : node.append_attribute(name)).set_value(value);
}

void setAttribute(pugi::xml_node node, const char* name, int value) {
    setAttribute(node, name, std::to_string(value).c_str());
}

void updateCount(pugi::xml_node list) {
    setAttribute(list, "count", static_cast<int>(std::distance(list.begin(), list.end())));
}

void replaceChild(pugi::xml_node parent, const char* name, bool present) {
    parent.remove_child(name);
    if (present) {
        childInOrder(parent, name, kFontOrder);
    }
}

void setValueChild(pugi::xml_node parent, const char* name, const QString& value) {
    parent.remove_child(name);
    childInOrder(parent, name, kFontOrder).append_attribute("val") = toUtf8(value).constData();
}

// A stable text for a change, the key of derived formats.
std::string changeKey(const FormatChange& change) {
    QString key;
    const auto add = [&](const char* name, const auto& value) {
        if (value) {
            key += QStringLiteral("%1=%2;").arg(QLatin1String(name)).arg(*value);
        }
    };
    add("fill", change.fill ? std::optional(change.fill->colorIndex) : std::nullopt);
    add("name", change.font.name);
    add("size", change.font.size);
    add("bold", change.font.bold ? std::optional(int(*change.font.bold)) : std::nullopt);
    add("underline", change.font.underline ? std::optional(int(*change.font.underline)) : std::nullopt);
    add("color", change.font.color ? std::optional(change.font.color->index) : std::nullopt);
    add("plain", change.font.plainEffects ? std::optional(1) : std::nullopt);
    add("horizontal",
        change.alignment.horizontal ? std::optional(int(*change.alignment.horizontal)) : std::nullopt);
    add("vertical",
        change.alignment.vertical ? std::optional(int(*change.alignment.vertical)) : std::nullopt);
    add("wrap", change.alignment.wrapText ? std::optional(int(*change.alignment.wrapText)) : std::nullopt);
    add("shrink",
        change.alignment.shrinkToFit ? std::optional(int(*change.alignment.shrinkToFit)) : std::nullopt);
    add("rotation", change.alignment.orientation);
    add("format", change.numberFormat);
    add("borders", change.thinBorders ? std::optional(1) : std::nullopt);
    return key.toStdString();
}

// The change without colours and sizes the spreadsheet application does not know: those change nothing.
FormatChange withoutUnknownValues(FormatChange change) {
    if (change.fill && !change.fill->isValid()) {
        change.fill.reset();
    }
    if (change.font.color && !change.font.color->isValid()) {
        change.font.color.reset();
    }
    if (change.font.size &&
        !(*change.font.size >= kSmallestFontSize && *change.font.size <= kLargestFontSize)) {
        change.font.size.reset();
    }
    return change;
}

bool changesFont(const FontChange& font) {
    return font.name || font.size || font.bold || font.underline || font.color || font.plainEffects;
}

const char* horizontalName(HorizontalAlignment alignment) {
    switch (alignment) {
        case HorizontalAlignment::Left:
            return "left";
        case HorizontalAlignment::Center:
            return "center";
        case HorizontalAlignment::Right:
            return "right";
        case HorizontalAlignment::General:
            break;
    }
    return nullptr;
}

const char* verticalName(VerticalAlignment alignment) {
    switch (alignment) {
        case VerticalAlignment::Top:
            return "top";
        case VerticalAlignment::Center:
            return "center";
        case VerticalAlignment::Bottom:
            break;
    }
    return nullptr;
}

// Sets an attribute, or removes it for the value that is the default anyway.
void setOrRemove(pugi::xml_node node, const char* name, const char* value) {
    node.remove_attribute(name);
    if (value != nullptr) {
        node.append_attribute(name) = value;
    }
}

}  // namespace

SpreadsheetResult<std::unique_ptr<StyleSheet>> StyleSheet::parse(const QByteArray& bytes,
                                                                 const QString& partName) {
    auto styles = std::make_unique<StyleSheet>();
    if (SpreadsheetStatus parsed = parseSpreadsheetXml(styles->document_, bytes, partName, "styleSheet");
        !parsed) {
        return SpreadsheetError{parsed.error()};
    }
    if (SpreadsheetStatus loaded = styles->load(partName); !loaded) {
        return SpreadsheetError{loaded.error()};
    }
    return styles;
}

SpreadsheetStatus StyleSheet::load(const QString& partName) {
    fonts_ = collect("fonts", "font");
    fills_ = collect("fills", "fill");
    borders_ = collect("borders", "border");
    cellXfs_ = collect("cellXfs", "xf");
    const auto ensure = [&](Collection& collection, const char* fragment) {
        if (collection.items.empty()) {
            appendFragment(collection.node, fragment);
            updateCount(collection.node);
            for (pugi::xml_node item : collection.node.children()) {
                collection.items.push_back(item);
            }
            changed_ = true;
        }
    };
    ensure(fonts_, kDefaultFont);
    ensure(fills_, kDefaultFills);
    ensure(borders_, kDefaultBorder);
    ensure(cellXfs_, kDefaultXf);
    const auto outOfRange = [](const Collection& list, pugi::xml_node xf, const char* attribute) {
        return xf.attribute(attribute).as_llong() < 0 ||
               xf.attribute(attribute).as_llong() >= static_cast<long long>(list.items.size());
    };
    for (pugi::xml_node xf : cellXfs_.items) {
        if (outOfRange(fonts_, xf, "fontId") || outOfRange(fills_, xf, "fillId") ||
            outOfRange(borders_, xf, "borderId")) {
            return SpreadsheetError{QStringLiteral("the part \"%1\" has a cell format with a font, fill or "
                                                   "border that does not exist")
                                        .arg(partName)};
        }
    }
    return {};
}

StyleSheet::Collection StyleSheet::collect(const char* listName, const char* itemName) {
    Collection collection;
    collection.node = childInOrder(document_.document_element(), listName, kStyleSheetOrder);
    for (pugi::xml_node item : collection.node.children(itemName)) {
        collection.items.push_back(item);
    }
    return collection;
}

int StyleSheet::findOrAppend(Collection& collection, pugi::xml_node candidate) {
    if (!collection.keysBuilt) {
        for (std::size_t index = 0; index < collection.items.size(); ++index) {
            collection.keys.try_emplace(elementKey(collection.items[index]), static_cast<int>(index));
        }
        collection.keysBuilt = true;
    }
    const auto [position, added] =
        collection.keys.try_emplace(elementKey(candidate), static_cast<int>(collection.items.size()));
    if (added) {
        collection.items.push_back(collection.node.append_copy(candidate));
        updateCount(collection.node);
        changed_ = true;
    }
    candidate.parent().remove_child(candidate);
    return position->second;
}

pugi::xml_node StyleSheet::scratchCopy(pugi::xml_node node) {
    return scratch_.append_copy(node);
}

pugi::xml_node StyleSheet::xfNode(int xf) const {
    const bool valid = xf >= 0 && xf < static_cast<int>(cellXfs_.items.size());
    return cellXfs_.items[valid ? static_cast<std::size_t>(xf) : 0];
}

int StyleSheet::derive(int xf, const FormatChange& requested) {
    const FormatChange change = withoutUnknownValues(requested);
    if (xf < 0 || xf >= static_cast<int>(cellXfs_.items.size())) {
        xf = 0;
    }
    const auto key = std::make_pair(xf, changeKey(change));
    if (const auto found = derived_.find(key); found != derived_.end()) {
        return found->second;
    }
    pugi::xml_node candidate = scratchCopy(xfNode(xf));
    if (change.fill) {
        setAttribute(candidate, "fillId", fillFor(*change.fill));
        setAttribute(candidate, "applyFill", "1");
    }
    if (changesFont(change.font)) {
        setAttribute(candidate, "fontId", derivedFont(candidate.attribute("fontId").as_int(), change.font));
        setAttribute(candidate, "applyFont", "1");
    }
    applyAlignment(candidate, change.alignment);
    if (change.numberFormat) {
        setAttribute(candidate, "numFmtId", numberFormatId(*change.numberFormat));
        setAttribute(candidate, "applyNumberFormat", "1");
    }
    if (change.thinBorders) {
        setAttribute(candidate, "borderId", thinBorder());
        setAttribute(candidate, "applyBorder", "1");
    }
    const int result = findOrAppend(cellXfs_, candidate);
    derived_.emplace(key, result);
    return result;
}

int StyleSheet::withNumberFormatId(int xf, int formatId) {
    pugi::xml_node candidate = scratchCopy(xfNode(xf));
    setAttribute(candidate, "numFmtId", formatId);
    setAttribute(candidate, "applyNumberFormat", "1");
    return findOrAppend(cellXfs_, candidate);
}

int StyleSheet::derivedFont(int font, const FontChange& change) {
    pugi::xml_node candidate = scratchCopy(fonts_.items[static_cast<std::size_t>(font)]);
    if (change.name) {
        setValueChild(candidate, "name", *change.name);
        candidate.remove_child("scheme");
    }
    if (change.size) {
        setValueChild(candidate, "sz", QString::number(*change.size));
    }
    if (change.bold) {
        replaceChild(candidate, "b", *change.bold);
    }
    if (change.underline) {
        replaceChild(candidate, "u", *change.underline == Underline::Single);
    }
    if (change.color) {
        candidate.remove_child("color");
        if (!change.color->isAutomatic()) {
            childInOrder(candidate, "color", kFontOrder).append_attribute("indexed") =
                indexedColorOf(change.color->index);
        }
    }
    if (change.plainEffects) {
        for (const char* effect : {"strike", "outline", "shadow", "vertAlign"}) {
            candidate.remove_child(effect);
        }
    }
    return findOrAppend(fonts_, candidate);
}

int StyleSheet::fillFor(const CellFill& fill) {
    pugi::xml_node candidate = scratch_.append_child("fill");
    pugi::xml_node pattern = candidate.append_child("patternFill");
    if (fill.isNone()) {
        pattern.append_attribute("patternType") = "none";
    } else {
        pattern.append_attribute("patternType") = "solid";
        pattern.append_child("fgColor").append_attribute("indexed") = indexedColorOf(fill.colorIndex);
        pattern.append_child("bgColor").append_attribute("indexed") = kSystemBackgroundIndex;
    }
    return findOrAppend(fills_, candidate);
}

int StyleSheet::thinBorder() {
    pugi::xml_node candidate = scratch_.append_child("border");
    for (const char* edge : {"left", "right", "top", "bottom"}) {
        pugi::xml_node line = candidate.append_child(edge);
        line.append_attribute("style") = "thin";
        line.append_child("color").append_attribute("auto") = "1";
    }
    candidate.append_child("diagonal");
    return findOrAppend(borders_, candidate);
}

void StyleSheet::applyAlignment(pugi::xml_node xf, const AlignmentChange& change) {
    if (!change.horizontal && !change.vertical && !change.wrapText && !change.shrinkToFit &&
        !change.orientation) {
        return;
    }
    pugi::xml_node alignment = childInOrder(xf, "alignment", kXfOrder);
    if (change.horizontal) {
        setOrRemove(alignment, "horizontal", horizontalName(*change.horizontal));
    }
    if (change.vertical) {
        setOrRemove(alignment, "vertical", verticalName(*change.vertical));
    }
    if (change.wrapText) {
        setOrRemove(alignment, "wrapText", *change.wrapText ? "1" : nullptr);
    }
    if (change.shrinkToFit) {
        setOrRemove(alignment, "shrinkToFit", *change.shrinkToFit ? "1" : nullptr);
    }
    if (change.orientation) {
        const std::string rotation = std::to_string(*change.orientation);
        setOrRemove(alignment, "textRotation", *change.orientation != 0 ? rotation.c_str() : nullptr);
    }
    if (!alignment.first_attribute()) {
        xf.remove_child(alignment);
    }
    setAttribute(xf, "applyAlignment", "1");
}

int StyleSheet::numberFormatId(const QString& code) {
    if (const auto builtIn = builtInFormatId(code)) {
        return *builtIn;
    }
    pugi::xml_node list = childInOrder(document_.document_element(), "numFmts", kStyleSheetOrder);
    int highest = kFirstCustomFormatId - 1;
    for (pugi::xml_node format : list.children("numFmt")) {
        if (toQString(format.attribute("formatCode").value()) == code) {
            return format.attribute("numFmtId").as_int();
        }
        highest = std::max(highest, format.attribute("numFmtId").as_int());
    }
    pugi::xml_node format = list.append_child("numFmt");
    format.append_attribute("numFmtId") = highest + 1;
    format.append_attribute("formatCode") = toUtf8(code).constData();
    updateCount(list);
    changed_ = true;
    return highest + 1;
}

bool StyleSheet::showsDateOrTime(int xf) const {
    const int id = xfNode(xf).attribute("numFmtId").as_int();
    if (isBuiltInDateFormat(id)) {
        return true;
    }
    for (pugi::xml_node format : document_.document_element().child("numFmts").children("numFmt")) {
        if (format.attribute("numFmtId").as_int() == id) {
            return isDateFormatCode(toQString(format.attribute("formatCode").value()));
        }
    }
    return false;
}

double StyleSheet::fontSizeOf(int xf) const {
    const auto font = static_cast<std::size_t>(xfNode(xf).attribute("fontId").as_int());
    return fonts_.items[font].child("sz").attribute("val").as_double(11.0);
}

QByteArray StyleSheet::serialize() const {
    return serializeXml(document_);
}

}  // namespace korvex::xlsx
