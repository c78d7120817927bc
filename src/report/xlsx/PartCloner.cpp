#include "report/xlsx/PartCloner.h"

#include "report/xlsx/ContentTypes.h"
#include "report/xlsx/PartPath.h"
#include "report/xlsx/Relationships.h"
#include "report/xlsx/ZipPackage.h"

namespace korvex::xlsx {

namespace {

// Parts that hold workbook-wide names or caches; a sheet copy cannot duplicate them.
bool cannotBeCopied(const Relationship& relationship) {
    for (const char* suffix : {"/table", "/pivotTable", "/slicer", "/timeline", "/queryTable"}) {
        if (relationship.type.endsWith(QLatin1String(suffix))) {
            return true;
        }
    }
    return false;
}

bool isShared(const Relationship& relationship) {
    return relationship.hasType("image");
}

SpreadsheetResult<Relationships> relationshipsOf(const ZipPackage& package, const QString& part) {
    const QString relationshipsPart = relationshipsPartOf(part);
    if (!package.contains(relationshipsPart)) {
        return Relationships();
    }
    SpreadsheetResult<QByteArray> bytes = package.read(relationshipsPart);
    if (!bytes) {
        return SpreadsheetError{bytes.error()};
    }
    return Relationships::parse(*bytes, relationshipsPart);
}

SpreadsheetStatus checkReachable(const ZipPackage& package, const QString& part, std::set<QString>& visited) {
    if (!visited.insert(part).second) {
        return {};
    }
    SpreadsheetResult<Relationships> relationships = relationshipsOf(package, part);
    if (!relationships) {
        return SpreadsheetError{relationships.error()};
    }
    for (const Relationship& relationship : relationships->all()) {
        if (cannotBeCopied(relationship)) {
            return SpreadsheetError{QStringLiteral("the sheet holds a table, pivot table or slicer (\"%1\"), "
                                                   "which cannot be copied")
                                        .arg(relationship.target)};
        }
        const QString target = resolveTarget(part, relationship.target);
        if (relationship.external || isShared(relationship)) {
            continue;
        }
        if (!package.contains(target)) {
            return SpreadsheetError{
                QStringLiteral("the part \"%1\" refers to \"%2\", which is missing").arg(part, target)};
        }
        if (SpreadsheetStatus checked = checkReachable(package, target, visited); !checked) {
            return checked;
        }
    }
    return {};
}

void collectReachable(const ZipPackage& package, const QString& part, std::set<QString>& reached) {
    SpreadsheetResult<Relationships> relationships = relationshipsOf(package, part);
    if (!relationships) {
        return;
    }
    for (const Relationship& relationship : relationships->all()) {
        const QString target = resolveTarget(part, relationship.target);
        if (!relationship.external && !isShared(relationship) && package.contains(target) &&
            reached.insert(target).second) {
            collectReachable(package, target, reached);
        }
    }
}

}  // namespace

std::set<QString> partsReachedFrom(const ZipPackage& package, const QString& part) {
    std::set<QString> reached;
    collectReachable(package, part, reached);
    reached.erase(part);
    return reached;
}

SpreadsheetStatus PartCloner::checkCopyable(const QString& part) {
    std::set<QString> visited;
    return checkReachable(package_, part, visited);
}

SpreadsheetStatus PartCloner::cloneRelationships(const QString& source, const QString& copy) {
    SpreadsheetResult<Relationships> relationships = relationshipsOf(package_, source);
    if (!relationships) {
        return SpreadsheetError{relationships.error()};
    }
    if (relationships->all().empty()) {
        return {};
    }
    for (const Relationship& relationship : std::vector(relationships->all())) {
        const QString target = resolveTarget(source, relationship.target);
        if (relationship.external) {
            continue;
        }
        if (isShared(relationship)) {
            relationships->retarget(relationship.id, relativeTarget(copy, target));
            continue;
        }
        SpreadsheetResult<QString> cloned = clonePart(target);
        if (!cloned) {
            return SpreadsheetError{cloned.error()};
        }
        relationships->retarget(relationship.id, relativeTarget(copy, *cloned));
    }
    const QString relationshipsPart = relationshipsPartOf(copy);
    package_.write(relationshipsPart, relationships->serialize());
    declareRelationships(relationshipsPart);
    return {};
}

// Packages that declare each relationship part by an override (instead of a default for ".rels")
// need one for the new part too.
void PartCloner::declareRelationships(const QString& relationshipsPart) {
    if (contentTypes_.of(relationshipsPart).isEmpty()) {
        contentTypes_.setOverride(relationshipsPart, kRelationshipsContentType);
    }
}

SpreadsheetResult<QString> PartCloner::clonePart(const QString& part) {
    if (const auto done = copies_.find(part); done != copies_.end()) {
        return done->second;
    }
    SpreadsheetResult<QByteArray> bytes = package_.read(part);
    if (!bytes) {
        return SpreadsheetError{bytes.error()};
    }
    const QString copy = freePartName(part, [&](const QString& name) { return package_.contains(name); });
    package_.write(copy, std::move(*bytes));
    copies_.emplace(part, copy);
    if (contentTypes_.hasOverride(part)) {
        contentTypes_.setOverride(copy, contentTypes_.of(part));
    }
    if (SpreadsheetStatus cloned = cloneRelationships(part, copy); !cloned) {
        return SpreadsheetError{cloned.error()};
    }
    return copy;
}

}  // namespace korvex::xlsx
