#pragma once

#include <QString>

namespace korvex {
class SpreadsheetBackend;
}

// The two functions an office-suite plugin exports, looked up by these names.
inline constexpr const char* kCreateOfficeBackendSymbol = "korvexCreateOfficeBackend";
inline constexpr const char* kReadOfficeVersionSymbol = "korvexReadOfficeVersion";

extern "C" {
// A new backend; the caller owns it. Nullptr when the office suite is not installed.
using CreateOfficeBackend = korvex::SpreadsheetBackend* (*)();
// The installed office suite's version text, read without starting it; empty when it tells none.
using ReadOfficeVersion = void (*)(QString& version);
}
