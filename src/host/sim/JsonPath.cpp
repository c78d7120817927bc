#include "host/sim/JsonPath.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace korvex {

JsonPath JsonPath::member(const QString& name) const {
    JsonPath path = *this;
    path.steps_.emplace_back(name);
    return path;
}

JsonPath JsonPath::element(qsizetype position) const {
    JsonPath path = *this;
    path.steps_.emplace_back(position);
    return path;
}

QString JsonPath::text() const {
    if (steps_.empty())
        return QStringLiteral("the document");
    QString text;
    for (const Step& step : steps_) {
        if (const auto* name = std::get_if<QString>(&step))
            text += (text.isEmpty() ? QString() : QStringLiteral(".")) + *name;
        else
            text += u'[' + QString::number(std::get<qsizetype>(step)) + u']';
    }
    return text;
}

TextPosition textPositionAt(QByteArrayView utf8, qsizetype offset) {
    TextPosition position;
    const qsizetype end = std::min(offset, utf8.size());
    for (qsizetype i = 0; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '\n') {
            ++position.line;
            position.column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++position.column;
        }
    }
    return position;
}

namespace {

// Walks well-formed JSON text without building values, to find where a value starts.
class JsonScanner {
  public:
    explicit JsonScanner(QByteArrayView text) : text_(text) {}

    qsizetype find(const JsonPath& path) {
        skipBlanks();
        for (const JsonPath::Step& step : path.steps()) {
            const bool found = std::holds_alternative<QString>(step)
                                   ? enterMember(std::get<QString>(step))
                                   : enterElement(std::get<qsizetype>(step));
            if (!found)
                break;
        }
        return position_;
    }

  private:
    char current() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    void skipBlanks() {
        while (position_ < text_.size() && QByteArrayView(" \t\r\n").contains(text_[position_]))
            ++position_;
    }

    // Past a separator (colon or comma) and the blanks after it, when it is there.
    void skipSeparator() {
        if (current() == ':' || current() == ',') {
            ++position_;
            skipBlanks();
        }
    }

    // From an opening quote to just past the closing one; the text between, unescaped.
    QString readString() {
        const qsizetype start = position_;
        ++position_;
        while (position_ < text_.size() && text_[position_] != '"')
            position_ += text_[position_] == '\\' ? 2 : 1;
        ++position_;
        const QByteArrayView quoted = text_.sliced(start, std::min(position_, text_.size()) - start);
        return QJsonDocument::fromJson("[" + quoted.toByteArray() + "]").array().at(0).toString();
    }

    void skipValue() {
        const char first = current();
        if (first == '"') {
            readString();
        } else if (first == '{' || first == '[') {
            skipContainer();
        } else {
            while (position_ < text_.size() && !QByteArrayView(",]} \t\r\n").contains(text_[position_]))
                ++position_;
        }
        skipBlanks();
    }

    void skipContainer() {
        const char close = current() == '{' ? '}' : ']';
        ++position_;
        skipBlanks();
        while (position_ < text_.size() && current() != close) {
            skipValue();
            skipSeparator();
        }
        ++position_;
    }

    // At an object: moves to the value of the named member. False (staying put) when there is none.
    bool enterMember(const QString& name) {
        if (current() != '{')
            return false;
        const qsizetype objectStart = position_;
        ++position_;
        skipBlanks();
        while (current() == '"') {
            const QString key = readString();
            skipBlanks();
            skipSeparator();
            if (key == name)
                return true;
            skipValue();
            skipSeparator();
        }
        position_ = objectStart;
        return false;
    }

    // At an array: moves to the element at that position. False (staying put) when there is none.
    bool enterElement(qsizetype wanted) {
        if (current() != '[')
            return false;
        const qsizetype arrayStart = position_;
        ++position_;
        skipBlanks();
        for (qsizetype index = 0; position_ < text_.size() && current() != ']'; ++index) {
            if (index == wanted)
                return true;
            skipValue();
            skipSeparator();
        }
        position_ = arrayStart;
        return false;
    }

    QByteArrayView text_;
    qsizetype position_ = 0;
};

}  // namespace

qsizetype offsetOfJsonValue(QByteArrayView utf8, const JsonPath& path) {
    return JsonScanner(utf8).find(path);
}

}  // namespace korvex
