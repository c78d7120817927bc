#pragma once

#include "report/SpreadsheetResult.h"

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

namespace korvex::xlsx {

inline constexpr QLatin1StringView kRelationshipsContentType{
    "application/vnd.openxmlformats-package.relationships+xml"};

struct Relationship {
    QString id;
    QString type;
    QString target;
    bool external = false;

    // True when the type is the transitional relationship type of that name ("worksheet", "image").
    bool hasType(std::string_view name) const;
};

// The relationship type URI of a transitional package relationship ("worksheet" gives
// "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet").
QString relationshipType(std::string_view name);

// The relationships of one part (a ".rels" part).
class Relationships {
  public:
    static SpreadsheetResult<Relationships> parse(const QByteArray& bytes, const QString& partName);

    const std::vector<Relationship>& all() const { return relationships_; }
    const Relationship* byId(const QString& id) const;
    const Relationship* firstOfType(std::string_view name) const;
    // Adds an internal relationship and gives its new id.
    QString add(const QString& type, const QString& target);
    void removeOfType(std::string_view name);
    // Replaces the target of a relationship.
    void retarget(const QString& id, const QString& target);
    QByteArray serialize() const;

  private:
    std::vector<Relationship> relationships_;
};

}  // namespace korvex::xlsx
