#include "report/xlsx/PartPath.h"

#include <QStringList>

namespace korvex::xlsx {

namespace {

QString folderOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

QStringList segmentsOf(const QString& path) {
    return path.split(u'/', Qt::SkipEmptyParts);
}

}  // namespace

QString relationshipsPartOf(const QString& part) {
    const QString folder = folderOf(part);
    const QString file = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") + file +
           QStringLiteral(".rels");
}

QString resolveTarget(const QString& source, const QString& target) {
    QStringList resolved = target.startsWith(u'/') ? QStringList() : segmentsOf(folderOf(source));
    for (const QString& segment : segmentsOf(target)) {
        if (segment == u"..") {
            if (!resolved.isEmpty()) {
                resolved.removeLast();
            }
        } else if (segment != u".") {
            resolved.append(segment);
        }
    }
    return resolved.join(u'/');
}

QString relativeTarget(const QString& source, const QString& part) {
    const QStringList from = segmentsOf(folderOf(source));
    const QStringList to = segmentsOf(part);
    qsizetype common = 0;
    while (common < from.size() && common < to.size() - 1 && from[common] == to[common]) {
        ++common;
    }
    QStringList relative;
    for (qsizetype up = common; up < from.size(); ++up) {
        relative.append(QStringLiteral(".."));
    }
    relative.append(to.mid(common));
    return relative.join(u'/');
}

NumberedName numberedNameOf(const QString& part) {
    const qsizetype dot = part.lastIndexOf(u'.');
    const qsizetype slash = part.lastIndexOf(u'/');
    const qsizetype end = dot > slash ? dot : part.size();
    qsizetype digits = end;
    while (digits > slash + 1 && part[digits - 1].isDigit()) {
        --digits;
    }
    return {part.left(digits), part.mid(end)};
}

QString freePartName(const QString& like, const std::function<bool(const QString&)>& isTaken) {
    const NumberedName numbered = numberedNameOf(like);
    for (int number = 1;; ++number) {
        const QString candidate = numbered.stem + QString::number(number) + numbered.extension;
        if (!isTaken(candidate)) {
            return candidate;
        }
    }
}

}  // namespace korvex::xlsx
