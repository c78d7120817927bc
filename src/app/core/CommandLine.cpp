#include "app/core/CommandLine.h"

namespace korvex {
namespace {

bool isSeparator(QChar ch) {
    return ch == u'/' || ch == u'\t';
}

QString withoutOptionSlash(const QString& word) {
    if (word.startsWith(u'/') && word.indexOf(u'/', 1) < 0) {
        return word.mid(1);
    }
    return word;
}

}  // namespace

StartArguments splitCommandLine(const QString& rawCommandLine, int maxArguments) {
    StartArguments arguments;
    QString current;
    int begun = 0;
    bool afterSeparator = true;
    for (const QChar ch : rawCommandLine) {
        if (isSeparator(ch)) {
            afterSeparator = true;
            continue;
        }
        if (afterSeparator) {
            if (begun == maxArguments) {
                break;
            }
            if (begun > 0) {
                arguments.set(begun, current.trimmed());
            }
            current.clear();
            ++begun;
            afterSeparator = false;
        }
        current.append(ch);
    }
    if (begun > 0) {
        arguments.set(begun, current.trimmed());
    }
    return arguments;
}

StartArguments argumentsFromWords(const QStringList& words, int maxArguments) {
    StartArguments arguments;
    const int count = std::min<int>(static_cast<int>(words.size()), maxArguments);
    for (int i = 0; i < count; ++i) {
        arguments.set(i + 1, withoutOptionSlash(words.at(i)).trimmed());
    }
    return arguments;
}

}  // namespace korvex
