#include "report/xlsx/CellText.h"

#include "report/xlsx/XmlPart.h"

namespace korvex::xlsx {

namespace {

bool isXmlCharacter(char16_t character) {
    return character == u'\t' || character == u'\n' ||
           (character >= 0x20 && character != 0xFFFE && character != 0xFFFF);
}

bool isHexDigit(QChar character) {
    return character.isDigit() || (character.toLower() >= u'a' && character.toLower() <= u'f');
}

// True when text[position] starts an "_xHHHH_" sequence.
bool isEscapeAt(const QString& text, qsizetype position) {
    if (position + 7 > text.size() || text[position] != u'_' || text[position + 1] != u'x' ||
        text[position + 6] != u'_') {
        return false;
    }
    for (qsizetype digit = position + 2; digit < position + 6; ++digit) {
        if (!isHexDigit(text[digit])) {
            return false;
        }
    }
    return true;
}

QString escaped(char16_t character) {
    return QString::asprintf("_x%04X_", static_cast<unsigned>(character));
}

bool needsPreservedSpace(const QString& text) {
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace() || text.contains(u'\n'));
}

}  // namespace

QString escapeCellText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype position = 0; position < text.size(); ++position) {
        const char16_t character = text[position].unicode();
        if (!isXmlCharacter(character) || isEscapeAt(text, position)) {
            result += escaped(character);
        } else {
            result += text[position];
        }
    }
    return result;
}

QString unescapeCellText(const QString& text) {
    if (!text.contains(u"_x")) {
        return text;
    }
    QString result;
    result.reserve(text.size());
    for (qsizetype position = 0; position < text.size(); ++position) {
        if (isEscapeAt(text, position)) {
            result += QChar(static_cast<char16_t>(text.mid(position + 2, 4).toUInt(nullptr, 16)));
            position += 6;
        } else {
            result += text[position];
        }
    }
    return result;
}

QString stringItemText(pugi::xml_node item) {
    QString text;
    for (pugi::xml_node child : item.children()) {
        const std::string_view name = child.name();
        if (name == "t") {
            text += toQString(child.text().get());
        } else if (name == "r") {
            text += toQString(child.child("t").text().get());
        }
    }
    return unescapeCellText(text);
}

void setStringItemText(pugi::xml_node item, const QString& text) {
    pugi::xml_node node = item.append_child("t");
    if (needsPreservedSpace(text)) {
        node.append_attribute("xml:space") = "preserve";
    }
    node.text().set(toUtf8(escapeCellText(text)).constData());
}

}  // namespace korvex::xlsx
