#include "app/core/StartArguments.h"

namespace korvex {

QString StartArguments::at(int index) const {
    if (index < 1 || index > kMaxArguments) {
        return {};
    }
    return arguments_[static_cast<std::size_t>(index)];
}

void StartArguments::set(int index, const QString& value) {
    if (index >= 1 && index <= kMaxArguments) {
        arguments_[static_cast<std::size_t>(index)] = value;
    }
}

RunMode StartArguments::runMode() const {
    const QString letter = at(1);
    if (letter == u"a" || letter == u"A") {
        return RunMode::All;
    }
    if (letter == u"m" || letter == u"M") {
        return RunMode::Marked;
    }
    if (letter == u"o" || letter == u"O") {
        return RunMode::Online;
    }
    return RunMode::Interactive;
}

}  // namespace korvex
