#include "XlsxTestSupport.h"

#include "report/xlsx/ZipPackage.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>

namespace korvex::test {

namespace {

// A checker gets a generous limit: LibreOffice takes a few seconds per conversion, more on a busy machine.
constexpr int kCheckerTimeoutMs = 280'000;

xlsx::ZipPackage packageOf(const QString& workbookPath) {
    auto package = xlsx::ZipPackage::fromBytes(readFile(workbookPath));
    return package ? std::move(*package) : xlsx::ZipPackage();
}

}  // namespace

QString xlsxFixture(const QString& name) {
    return QStringLiteral(KORVEX_XLSX_FIXTURES "/") + name;
}

QByteArray partOf(const QString& workbookPath, const QString& part) {
    auto bytes = packageOf(workbookPath).read(part);
    return bytes ? *bytes : QByteArray();
}

bool hasPart(const QString& workbookPath, const QString& part) {
    return packageOf(workbookPath).contains(part);
}

QByteArray changedFixture(const QString& name, const std::function<void(xlsx::ZipPackage&)>& change) {
    xlsx::ZipPackage package = packageOf(xlsxFixture(name));
    change(package);
    auto bytes = package.toBytes();
    return bytes ? *bytes : QByteArray();
}

CheckerRun runChecker(const QString& script, const QString& workbook, const QJsonObject& expectations,
                      const QString& workFolder) {
    const QString expectationsPath = QDir(workFolder).filePath(QStringLiteral("expectations.json"));
    writeFile(expectationsPath, QJsonDocument(expectations).toJson());
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(KORVEX_PYTHON3),
                  {QStringLiteral(KORVEX_REPORT_TEST_DIR "/") + script, workbook, expectationsPath});
    if (!process.waitForFinished(kCheckerTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("%1 did not finish in time").arg(script)};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

}  // namespace korvex::test
