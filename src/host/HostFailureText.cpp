#include "host/HostFailureText.h"

#include "host/HostCallError.h"
#include "util/LanguageTables.h"

namespace korvex {
namespace {

constexpr int kGoneEntry = 53;
constexpr int kNoAnswerEntry = 54;
constexpr int kRefusedEntry = 55;

QString withDetail(const LanguageTables& language, int entry, const QString& detail) {
    const QString text = language.text(LanguageTable::MessageBoxen, entry);
    return detail.isEmpty() ? text : text + u' ' + detail;
}

}  // namespace

QString hostFailureText(const LanguageTables& language, const HostCallError& error) {
    switch (error.kind()) {
        case HostFailure::Gone:
            return hostGoneText(language);
        case HostFailure::NoAnswer:
            return withDetail(language, kNoAnswerEntry, error.detail());
        case HostFailure::Refused:
            break;
    }
    return withDetail(language, kRefusedEntry, error.detail());
}

QString hostGoneText(const LanguageTables& language) {
    return language.text(LanguageTable::MessageBoxen, kGoneEntry);
}

}  // namespace korvex
