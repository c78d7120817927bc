#pragma once

#include "util/AnsiCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvex {

// The "write" notation of the program's .cfg exports: one value per line, numbers bare (with a
// decimal point), texts in double quotes, Booleans as #TRUE# or #FALSE#; lines end in CR LF and the
// file is in the ANSI code page of the active language. A double quote inside a text is written twice
// ("a""b").
class NotationWriter {
  public:
    void writeNumber(double value);
    void writeInteger(qint64 value);
    void writeText(const QString& value);
    void writeBoolean(bool value);

    EncodedAnsi encoded(AnsiCodePage codePage) const;

  private:
    QStringList lines_;
};

// Reads values back in the order they were written. Values end at a line end or a comma outside
// quotes; a quoted text may span lines. Once a value is missing or cannot be taken as the kind asked
// for, the reader is no longer ok() and hands out empty values.
class NotationReader {
  public:
    NotationReader(const QByteArray& bytes, AnsiCodePage codePage);
    // nullopt when the file cannot be read.
    static std::optional<NotationReader> fromFile(const QString& path, AnsiCodePage codePage);

    // A text as it is, a number as written, a Boolean as "True" or "False".
    QString readText();
    // A whole number; #TRUE# is -1 and #FALSE# 0, as Booleans are in memory.
    int readInteger();
    // #TRUE#/#FALSE#, a number (non-zero is true) or the words True/False in any case.
    bool readBoolean();

    bool atEnd() const { return next_ >= values_.size(); }
    bool ok() const { return ok_; }

  private:
    struct Value {
        enum class Form { Bare, Quoted, Hashed };
        Form form;
        QString text;
    };

    const Value* take();
    std::optional<bool> booleanOf(const Value& value) const;
    static QList<Value> parse(const QString& text);

    QList<Value> values_;
    qsizetype next_ = 0;
    bool ok_ = true;
};

}  // namespace korvex
