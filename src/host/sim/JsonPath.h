#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace korvex {

// The place of a value inside a JSON document, as member names and array positions from the root,
// e.g. commands[3].dimension.nominal.
class JsonPath {
  public:
    using Step = std::variant<QString, qsizetype>;

    JsonPath member(const QString& name) const;
    JsonPath element(qsizetype position) const;

    const std::vector<Step>& steps() const { return steps_; }
    // "commands[3].dimension.nominal"; "the document" for the root.
    QString text() const;

  private:
    std::vector<Step> steps_;
};

struct TextPosition {
    int line = 1;
    int column = 1;

    friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

// Line and column (both from 1, the column in characters) of a byte offset into UTF-8 text.
TextPosition textPositionAt(QByteArrayView utf8, qsizetype offset);

// The byte offset where the value at `path` starts in well-formed JSON text, or where the deepest
// existing value on that path starts when the path leads to a member that is not there.
qsizetype offsetOfJsonValue(QByteArrayView utf8, const JsonPath& path);

}  // namespace korvex
