#include "util/WriteNotation.h"

#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/TextLines.h"

#include <QFile>
#include <QLocale>

#include <cmath>
#include <limits>

namespace korvex {
namespace {

bool endsValue(QChar ch) {
    return ch == u',' || ch == u'\r' || ch == u'\n';
}

bool isBlank(QChar ch) {
    return ch == u' ' || ch == u'\t';
}

// Steps over the comma or the line end (CR LF, CR or LF) that ends a value.
qsizetype skipSeparator(const QString& text, qsizetype at) {
    const qsizetype size = text.size();
    if (at >= size) {
        return at;
    }
    if (text.at(at) == u'\r' && at + 1 < size && text.at(at + 1) == u'\n') {
        return at + 2;
    }
    return at + 1;
}

}  // namespace

void NotationWriter::writeNumber(double value) {
    lines_.append(QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void NotationWriter::writeInteger(qint64 value) {
    lines_.append(QString::number(value));
}

void NotationWriter::writeText(const QString& value) {
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    lines_.append(u'"' + quoted + u'"');
}

void NotationWriter::writeBoolean(bool value) {
    lines_.append(value ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"));
}

QByteArray NotationWriter::bytes() const {
    return joinAnsiLines(lines_);
}

bool NotationWriter::saveTo(const QString& path) const {
    return !replaceFileAtomically(path, bytes()).has_value();
}

NotationReader::NotationReader(const QByteArray& bytes) : values_(parse(decodeAnsi(bytes))) {}

std::optional<NotationReader> NotationReader::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return NotationReader(bytes);
}

QString NotationReader::readText() {
    const Value* value = take();
    if (value == nullptr) {
        return {};
    }
    if (value->form == Value::Form::Hashed) {
        if (const auto boolean = booleanOf(*value)) {
            return *boolean ? QStringLiteral("True") : QStringLiteral("False");
        }
    }
    return value->text;
}

int NotationReader::readInteger() {
    const Value* value = take();
    if (value == nullptr) {
        return 0;
    }
    if (value->form == Value::Form::Hashed) {
        const auto boolean = booleanOf(*value);
        ok_ = ok_ && boolean.has_value();
        return boolean.value_or(false) ? -1 : 0;
    }
    if (value->form == Value::Form::Bare && value->text.isEmpty()) {
        return 0;
    }
    bool isNumber = false;
    const double number = value->text.trimmed().toDouble(&isNumber);
    if (!isNumber || number != std::trunc(number) || std::abs(number) > std::numeric_limits<int>::max()) {
        ok_ = false;
        return 0;
    }
    return static_cast<int>(number);
}

bool NotationReader::readBoolean() {
    const Value* value = take();
    if (value == nullptr) {
        return false;
    }
    const auto boolean = booleanOf(*value);
    ok_ = ok_ && boolean.has_value();
    return boolean.value_or(false);
}

const NotationReader::Value* NotationReader::take() {
    if (atEnd()) {
        ok_ = false;
        return nullptr;
    }
    return &values_.at(next_++);
}

std::optional<bool> NotationReader::booleanOf(const Value& value) const {
    const QString text = value.text.trimmed();
    if (text.compare(u"TRUE", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (value.form == Value::Form::Bare && text.isEmpty()) {
        return false;
    }
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (value.form == Value::Form::Hashed || !isNumber) {
        return std::nullopt;
    }
    return number != 0.0;
}

QList<NotationReader::Value> NotationReader::parse(const QString& text) {
    QList<Value> values;
    const qsizetype size = text.size();
    qsizetype at = 0;
    while (at < size) {
        while (at < size && isBlank(text.at(at))) {
            ++at;
        }
        Value value{.form = Value::Form::Bare, .text = {}};
        if (at < size && text.at(at) == u'"') {
            value.form = Value::Form::Quoted;
            for (++at; at < size; ++at) {
                if (text.at(at) != u'"') {
                    value.text.append(text.at(at));
                } else if (at + 1 < size && text.at(at + 1) == u'"') {
                    value.text.append(u'"');
                    ++at;
                } else {
                    ++at;
                    break;
                }
            }
        } else {
            const qsizetype start = at;
            while (at < size && !endsValue(text.at(at))) {
                ++at;
            }
            value.text = text.mid(start, at - start).trimmed();
            if (value.text.size() >= 2 && value.text.startsWith(u'#') && value.text.endsWith(u'#')) {
                value.form = Value::Form::Hashed;
                value.text = value.text.mid(1, value.text.size() - 2);
            }
        }
        while (at < size && !endsValue(text.at(at))) {
            ++at;  // what follows a closing quote up to the separator is not part of the value
        }
        at = skipSeparator(text, at);
        values.append(std::move(value));
    }
    return values;
}

}  // namespace korvex
