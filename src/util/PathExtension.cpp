#include "util/PathExtension.h"

#include <algorithm>

namespace korvex {

QString pathWithoutExtension(const QString& path) {
    const qsizetype nameStart = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > nameStart ? path.left(dot) : path;
}

}  // namespace korvex
