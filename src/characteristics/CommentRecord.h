#pragma once

#include <QString>

#include <array>

namespace korvex {

// The up to 20 lines of one part-program comment, numbered 1 to 20.
class CommentRecord {
  public:
    static constexpr int kLineCount = 20;

    // Line 1..20; empty outside.
    QString line(int number) const { return isLineNumber(number) ? lines_[number - 1] : QString(); }
    // Sets line 1..20; a number outside is ignored.
    void setLine(int number, const QString& text) {
        if (isLineNumber(number))
            lines_[number - 1] = text;
    }

    friend bool operator==(const CommentRecord&, const CommentRecord&) = default;

  private:
    static bool isLineNumber(int number) { return number >= 1 && number <= kLineCount; }

    std::array<QString, kLineCount> lines_;
};

}  // namespace korvex
