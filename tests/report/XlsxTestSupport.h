#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>

namespace korvex::xlsx {
class ZipPackage;
}

namespace korvex::test {

// A workbook of tests/data/xlsx.
QString xlsxFixture(const QString& name);

// One part of a saved workbook; an empty array when it has none.
QByteArray partOf(const QString& workbookPath, const QString& part);
bool hasPart(const QString& workbookPath, const QString& part);
// The bytes of a fixture with some parts changed.
QByteArray changedFixture(const QString& name, const std::function<void(xlsx::ZipPackage&)>& change);

struct CheckerRun {
    int exitCode = -1;
    QString output;
};

// Runs a checker script of tests/report on a workbook with the given expectations (written as JSON
// into `workFolder`).
CheckerRun runChecker(const QString& script, const QString& workbook, const QJsonObject& expectations,
                      const QString& workFolder);

}  // namespace korvex::test
