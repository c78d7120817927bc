#pragma once

#include "report/SpreadsheetResult.h"

#include <QString>

#include <map>
#include <set>

namespace korvex::xlsx {

class ContentTypes;
class ZipPackage;

// The parts that `part` reaches through its relationships and theirs, without shared images and
// without parts that are missing.
std::set<QString> partsReachedFrom(const ZipPackage& package, const QString& part);

// Copies the parts that a sheet reaches through its relationships, for a copy of the sheet: every
// drawing, chart, header/footer drawing, comment and printer-settings part gets a copy of its own
// with a content type and relationships of its own; images are shared.
class PartCloner {
  public:
    PartCloner(ZipPackage& package, ContentTypes& contentTypes)
        : package_(package), contentTypes_(contentTypes) {}

    // Fails, changing nothing, when the part reaches something a copy cannot carry (tables, pivot
    // tables, slicers).
    SpreadsheetStatus checkCopyable(const QString& part);
    // Gives `copy` the relationships of `source`, pointing to copies of the parts they reach.
    SpreadsheetStatus cloneRelationships(const QString& source, const QString& copy);

  private:
    SpreadsheetResult<QString> clonePart(const QString& part);
    void declareRelationships(const QString& relationshipsPart);

    ZipPackage& package_;
    ContentTypes& contentTypes_;
    std::map<QString, QString> copies_;
};

}  // namespace korvex::xlsx
