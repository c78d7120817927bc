#include "report/xlsx/VmlShapes.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

namespace korvex::xlsx {

namespace {

constexpr int kShapesPerBlock = 1024;

// VML from old writers is often not well-formed XML, so it is read as text (byte for byte, as Latin-1).
const QRegularExpression& idMapPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((<(?:\w+:)?idmap\b[^>]*\bdata=")([0-9, ]*)("))"));
    return pattern;
}

const QRegularExpression& shapeIdPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"(_x0000_s([0-9]{1,9})\b)"));
    return pattern;
}

}  // namespace

int highestVmlBlock(const QByteArray& vml) {
    int highest = 0;
    for (const auto& match : idMapPattern().globalMatch(QString::fromLatin1(vml))) {
        for (const QString& block : match.captured(2).split(u',', Qt::SkipEmptyParts)) {
            highest = std::max(highest, block.trimmed().toInt());
        }
    }
    return highest;
}

int blockOfShapeId(int id) {
    return id / kShapesPerBlock;
}

int shapeIdInBlock(int id, int block) {
    return block * kShapesPerBlock + id % kShapesPerBlock;
}

QByteArray vmlInBlock(const QByteArray& vml, int block) {
    QString text = QString::fromLatin1(vml);
    text.replace(idMapPattern(), QStringLiteral("\\1%1\\3").arg(block));
    QString moved;
    qsizetype copiedUpTo = 0;
    for (const auto& match : shapeIdPattern().globalMatch(text)) {
        moved += QStringView(text).mid(copiedUpTo, match.capturedStart() - copiedUpTo);
        moved += QStringLiteral("_x0000_s%1").arg(shapeIdInBlock(match.captured(1).toInt(), block));
        copiedUpTo = match.capturedEnd();
    }
    moved += QStringView(text).mid(copiedUpTo);
    return moved.toLatin1();
}

}  // namespace korvex::xlsx
