#pragma once

#include "host/sim/JsonPath.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvex {

// A value of a JSON document that does not have the form its reader expects.
struct JsonFormatProblem {
    JsonPath path;
    QString what;
};

// Reads the members of one JSON object by name and type, knowing its place in the document. A member
// of the wrong type, a missing required member and (at the end) a member nobody asked for throw a
// JsonFormatProblem naming the place.
class JsonObjectReader {
  public:
    JsonObjectReader(const QJsonValue& value, JsonPath path);

    const JsonPath& path() const { return path_; }
    bool has(const QString& name) const;

    QString string(const QString& name, const QString& fallback = {});
    double number(const QString& name, double fallback = 0);
    int integer(const QString& name, int fallback = 0);
    int requiredInteger(const QString& name);
    bool boolean(const QString& name, bool fallback = false);
    // An array of at most maxCount texts; empty when the member is missing.
    QStringList strings(const QString& name, qsizetype maxCount);
    // An array whose elements the caller reads; empty when the member is missing.
    QJsonArray array(const QString& name);
    std::optional<JsonObjectReader> object(const QString& name);

    // Throws for the first member that no read above asked for.
    void rejectUnknownMembers() const;

    // The text a JSON value holds, or a problem at `path`; a text holding a NUL is refused.
    static QString textOf(const QJsonValue& value, const JsonPath& path);
    // The whole number a JSON value holds, or a problem at `path`.
    static int integerOf(const QJsonValue& value, const JsonPath& path);

  private:
    QJsonValue take(const QString& name);

    QJsonObject object_;
    JsonPath path_;
    QSet<QString> asked_;
};

}  // namespace korvex
