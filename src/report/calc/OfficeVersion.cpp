#include "report/calc/OfficeVersion.h"

#include <QFile>

namespace korvex::calc {

QString officeProgramFolder() {
    const QString moved = qEnvironmentVariable("KORVEX_TABULOR_OFFICE_PROGRAM");
    return moved.isEmpty() ? QStringLiteral(KORVEX_OFFICE_PROGRAM_DIR) : moved;
}

QString installedOfficeVersion(const QString& programFolder) {
    QFile file(programFolder + QStringLiteral("/bootstraprc"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    constexpr QByteArrayView kKey = "ProductKey=";
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(kKey)) {
            return QString::fromUtf8(line.mid(kKey.size())).trimmed();
        }
    }
    return {};
}

}  // namespace korvex::calc
