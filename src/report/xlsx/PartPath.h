#pragma once

#include <QString>

#include <functional>

namespace korvex::xlsx {

// Part names are package paths without the leading "/" ("xl/worksheets/sheet1.xml").

// The relationships part of a part: "xl/worksheets/_rels/sheet1.xml.rels"; "_rels/.rels" for the
// package itself (an empty part name).
QString relationshipsPartOf(const QString& part);
// The part that a relationship of `source` targets ("../media/image1.png" from a drawing).
QString resolveTarget(const QString& source, const QString& target);
// The relative target that reaches `part` from `source`.
QString relativeTarget(const QString& source, const QString& part);
// "xl/worksheets/sheet7.xml" for the stem "xl/worksheets/sheet" and the number 7 of "sheet1.xml".
struct NumberedName {
    QString stem;
    QString extension;
};
NumberedName numberedNameOf(const QString& part);
// A part name like `like` (same folder, stem and extension) with the lowest number not in use.
QString freePartName(const QString& like, const std::function<bool(const QString&)>& isTaken);

}  // namespace korvex::xlsx
