#pragma once

#include "report/SpreadsheetResult.h"

#include <QByteArray>
#include <QString>

#include <map>

namespace korvex::xlsx {

// The package's "[Content_Types].xml": a content type for every part, by override or by the part
// name's extension.
class ContentTypes {
  public:
    static constexpr const char* kPartName = "[Content_Types].xml";

    static SpreadsheetResult<ContentTypes> parse(const QByteArray& bytes);

    // Empty when the package gives the part no content type.
    QString of(const QString& part) const;
    bool hasOverride(const QString& part) const { return overrides_.contains(part); }
    void setOverride(const QString& part, const QString& contentType);
    void removeOverride(const QString& part);
    QByteArray serialize() const;

  private:
    // Extensions in lower case.
    std::map<QString, QString> defaults_;
    // Part names without the leading "/".
    std::map<QString, QString> overrides_;
};

}  // namespace korvex::xlsx
