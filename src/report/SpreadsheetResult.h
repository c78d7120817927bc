#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace korvex {

// What kind of failure it was, for the caller's message box: spreadsheetErrorEntry gives the
// matching MessageBoxen entry (80 for Other, then one per kind in this order: keep the order), and
// the message adds the details (file, part, cause).
enum class SpreadsheetErrorKind {
    Other,
    CannotOpen,        // the file cannot be read at all
    Unsupported,       // encrypted, old binary, .xlsb, strict, or no workbook at all
    Damaged,           // a broken zip, a wrong checksum, malformed or inconsistent parts
    CannotSave,        // the file cannot be written (folder, rights, full disk)
    NoSuchSheet,       // a named sheet is not there
    SheetNotCopyable,  // the sheet cannot be read or holds parts a copy cannot carry
    BadSheetName,      // a sheet name the application does not allow, or one that is taken
};

// Why a spreadsheet operation failed, in words the user can be shown.
struct SpreadsheetError {
    QString message;
    SpreadsheetErrorKind kind = SpreadsheetErrorKind::Other;
};

// The MessageBoxen entry that introduces a failure of that kind.
int spreadsheetErrorEntry(SpreadsheetErrorKind kind);

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
    SpreadsheetErrorKind errorKind() const {
        return ok() ? SpreadsheetErrorKind::Other : std::get<SpreadsheetError>(state_).kind;
    }

  private:
    std::variant<T, SpreadsheetError> state_;
};

// Success or the reason of a failure, for operations without a value.
class [[nodiscard]] SpreadsheetStatus {
  public:
    SpreadsheetStatus() = default;
    SpreadsheetStatus(SpreadsheetError error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    QString error() const { return ok() ? QString() : error_->message; }
    SpreadsheetErrorKind errorKind() const { return ok() ? SpreadsheetErrorKind::Other : error_->kind; }

  private:
    std::optional<SpreadsheetError> error_;
};

}  // namespace korvex
