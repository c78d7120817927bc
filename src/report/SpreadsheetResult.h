#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace korvex {

// Why a spreadsheet operation failed, in words the user can be shown.
struct SpreadsheetError {
    QString message;
};

// The value of a spreadsheet operation or the reason it failed. Spreadsheet calls never throw: the
// caller decides which message box a failure deserves.
template <typename T>
class [[nodiscard]] SpreadsheetResult {
  public:
    SpreadsheetResult(T value) : state_(std::move(value)) {}
    SpreadsheetResult(SpreadsheetError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T& operator*() { return value(); }
    T* operator->() { return &value(); }

    // Empty when the operation succeeded.
    QString error() const { return ok() ? QString() : std::get<SpreadsheetError>(state_).message; }

  private:
    std::variant<T, SpreadsheetError> state_;
};

// Success or the reason of a failure, for operations without a value.
class [[nodiscard]] SpreadsheetStatus {
  public:
    SpreadsheetStatus() = default;
    SpreadsheetStatus(SpreadsheetError error) : error_(std::move(error.message)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    QString error() const { return error_.value_or(QString()); }

  private:
    std::optional<QString> error_;
};

}  // namespace korvex
