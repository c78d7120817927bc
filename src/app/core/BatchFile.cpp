#include "app/core/BatchFile.h"

#include "util/AnsiCodec.h"
#include "util/PathExtension.h"

#include <QFile>

namespace korvex {
namespace {

bool isBlankOnly(const QString& text) {
    return text.count(u' ') == text.size();
}

// A path as cmd.exe must see it on the program's command line: backslashes only, and the characters
// cmd.exe acts on escaped ("%%" for "%", a caret before the others).
QString windowsPathWord(const QString& path) {
    QString word;
    word.reserve(path.size() + 8);
    for (const QChar ch : path) {
        if (ch == u'/') {
            word += u'\\';
        } else if (ch == u'%') {
            word += QStringLiteral("%%");
        } else if (ch == u'^' || ch == u'&' || ch == u'|' || ch == u'<' || ch == u'>') {
            word += u'^';
            word += ch;
        } else {
            word += ch;
        }
    }
    return word;
}

// Inside the quotes around the program path only "%" still needs escaping.
QString quotedWindowsProgram(const QString& programPath) {
    QString path = programPath;
    path.replace(u'/', u'\\').replace(QStringLiteral("%"), QStringLiteral("%%"));
    return u'"' + path + u'"';
}

}  // namespace

BatchRequestProblem problemOf(const BatchRequest& request) {
    if (isBlankOnly(request.workbook1) || isBlankOnly(request.layoutFile)) {
        return BatchRequestProblem::WorkbookOrLayoutMissing;
    }
    if (request.report == BatchReport::Both && isBlankOnly(request.workbook2)) {
        return BatchRequestProblem::SecondWorkbookMissing;
    }
    return BatchRequestProblem::None;
}

QString selectionOption(BatchSelection selection) {
    switch (selection) {
        case BatchSelection::All:
            return QStringLiteral("/a");
        case BatchSelection::Marked:
            return QStringLiteral("/m");
        case BatchSelection::Online:
            break;
    }
    return QStringLiteral("/o");
}

QString reportOption(BatchReport report) {
    switch (report) {
        case BatchReport::Complete:
            return QStringLiteral("/ALL");
        case BatchReport::Corrections:
            return QStringLiteral("/OOT");
        case BatchReport::Both:
            break;
    }
    return QStringLiteral("/ALO");
}

QStringList batchArguments(const BatchRequest& request) {
    QStringList arguments{selectionOption(request.selection), request.workbook1, request.layoutFile,
                          reportOption(request.report)};
    if (request.report == BatchReport::Both) {
        arguments.append(request.workbook2);
    }
    return arguments;
}

QByteArray windowsBatchText(const QString& programPath, const BatchRequest& request) {
    QString line = quotedWindowsProgram(programPath) + u' ' + selectionOption(request.selection) +
                   QStringLiteral(" /") + windowsPathWord(request.workbook1) + QStringLiteral(" /") +
                   windowsPathWord(request.layoutFile) + u' ' + reportOption(request.report);
    if (request.report == BatchReport::Both) {
        line += QStringLiteral(" /") + windowsPathWord(request.workbook2);
    }
    return encodeAnsi(QStringLiteral("@echo off\r\n") + line + QStringLiteral("\r\n"),
                      AnsiCodePage::Windows1252)
        .bytes;
}

QString shellQuoted(const QString& word) {
    QString quoted = word;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

QByteArray shellScriptText(const QString& programPath, const QStringList& arguments) {
    QString line = QStringLiteral("exec ") + shellQuoted(programPath);
    for (const QString& argument : arguments) {
        line += u' ' + shellQuoted(argument);
    }
    // File names are bytes in the local encoding; the script carries them as such.
    return QByteArrayLiteral("#!/bin/sh\n") + QFile::encodeName(line) + '\n';
}

QString batchFilePath(const QString& workbook1, const QString& extension) {
    const QString stem = pathWithoutExtension(workbook1);
    if (stem == workbook1 || workbook1.endsWith(extension, Qt::CaseInsensitive)) {
        return workbook1 + extension;
    }
    return stem + extension;
}

}  // namespace korvex
