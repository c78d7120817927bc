#pragma once

#include <QString>

#include <stdexcept>

namespace korvex {

// A host call that failed: the host vanished, stopped answering or refused the call. Every method of
// the host interfaces may throw it; the walks catch it at their top, keep what they read so far and
// tell the user the message.
class HostCallError : public std::runtime_error {
  public:
    explicit HostCallError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace korvex
