#include "host/sim/JsonObjectReader.h"

#include <cmath>
#include <limits>

namespace korvex {

JsonObjectReader::JsonObjectReader(const QJsonValue& value, JsonPath path) : path_(std::move(path)) {
    if (!value.isObject())
        throw JsonFormatProblem{path_, QStringLiteral("must be an object")};
    object_ = value.toObject();
}

bool JsonObjectReader::has(const QString& name) const {
    return object_.contains(name);
}

QJsonValue JsonObjectReader::take(const QString& name) {
    asked_.insert(name);
    return object_.value(name);
}

QString JsonObjectReader::string(const QString& name, const QString& fallback) {
    const QJsonValue value = take(name);
    if (value.isUndefined())
        return fallback;
    return textOf(value, path_.member(name));
}

QString JsonObjectReader::textOf(const QJsonValue& value, const JsonPath& path) {
    if (!value.isString())
        throw JsonFormatProblem{path, QStringLiteral("must be a text")};
    // A NUL would cut the text short on its way to the client.
    if (value.toString().contains(QChar::Null))
        throw JsonFormatProblem{path, QStringLiteral("must not hold a NUL character")};
    return value.toString();
}

double JsonObjectReader::number(const QString& name, double fallback) {
    const QJsonValue value = take(name);
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble())
        throw JsonFormatProblem{path_.member(name), QStringLiteral("must be a number")};
    return value.toDouble();
}

int JsonObjectReader::integerOf(const QJsonValue& value, const JsonPath& path) {
    const double number = value.toDouble(0.5);
    if (!value.isDouble() || std::trunc(number) != number || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        throw JsonFormatProblem{path, QStringLiteral("must be a whole number")};
    return static_cast<int>(number);
}

int JsonObjectReader::integer(const QString& name, int fallback) {
    const QJsonValue value = take(name);
    return value.isUndefined() ? fallback : integerOf(value, path_.member(name));
}

int JsonObjectReader::requiredInteger(const QString& name) {
    if (!has(name))
        throw JsonFormatProblem{path_, QStringLiteral("lacks the required member \"%1\"").arg(name)};
    return integer(name);
}

bool JsonObjectReader::boolean(const QString& name, bool fallback) {
    const QJsonValue value = take(name);
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        throw JsonFormatProblem{path_.member(name), QStringLiteral("must be true or false")};
    return value.toBool();
}

QJsonArray JsonObjectReader::array(const QString& name) {
    const QJsonValue value = take(name);
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw JsonFormatProblem{path_.member(name), QStringLiteral("must be an array")};
    return value.toArray();
}

QStringList JsonObjectReader::strings(const QString& name, qsizetype maxCount) {
    const QJsonArray values = array(name);
    const JsonPath place = path_.member(name);
    if (values.size() > maxCount)
        throw JsonFormatProblem{place, QStringLiteral("may hold at most %1 texts").arg(maxCount)};
    QStringList texts;
    for (qsizetype i = 0; i < values.size(); ++i) {
        texts.append(textOf(values.at(i), place.element(i)));
    }
    return texts;
}

std::optional<JsonObjectReader> JsonObjectReader::object(const QString& name) {
    const QJsonValue value = take(name);
    if (value.isUndefined())
        return std::nullopt;
    return JsonObjectReader(value, path_.member(name));
}

void JsonObjectReader::rejectUnknownMembers() const {
    for (auto it = object_.begin(); it != object_.end(); ++it) {
        if (!asked_.contains(it.key()))
            throw JsonFormatProblem{path_.member(it.key()),
                                    QStringLiteral("is not a member this format knows")};
    }
}

}  // namespace korvex
