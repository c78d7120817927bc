#pragma once

#include <QString>

#include <stdexcept>

namespace korvex {

// How a host call failed.
enum class HostFailure {
    // The host program has ended or can no longer be reached.
    Gone,
    // The host did not answer in time.
    NoAnswer,
    // The host answered with a refusal.
    Refused,
};

// A host call that failed: the host vanished, stopped answering or refused the call. Every method of
// the host interfaces may throw it; the walks catch it at their top, keep what they read so far and
// tell the user (hostFailureText). The message is for logs and standard error, in English.
class HostCallError : public std::runtime_error {
  public:
    // A refusal whose reason is the message.
    explicit HostCallError(const QString& message) : HostCallError(HostFailure::Refused, message, message) {}
    // `detail` is what the host or the bus said, shown after the failure's own text.
    HostCallError(HostFailure kind, QString detail, const QString& message)
        : std::runtime_error(message.toStdString()),
          kind_(kind),
          detail_(std::move(detail)),
          message_(message) {}

    HostFailure kind() const { return kind_; }
    const QString& detail() const { return detail_; }
    const QString& message() const { return message_; }

  private:
    HostFailure kind_;
    QString detail_;
    QString message_;
};

}  // namespace korvex
