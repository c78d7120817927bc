#include "settings/SettingTexts.h"

namespace korvex {

std::optional<bool> settingBoolean(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"TRUE", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    return isNumber ? std::optional(number != 0.0) : std::nullopt;
}

bool settingIsTrue(const QString& text) {
    return settingBoolean(text).value_or(false);
}

std::optional<int> settingInteger(const QString& text) {
    bool isNumber = false;
    const short number = text.trimmed().toShort(&isNumber);
    return isNumber ? std::optional<int>(number) : std::nullopt;
}

QString checkBoxText(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

QString optionButtonText(bool selected) {
    return selected ? QStringLiteral("-1") : QStringLiteral("0");
}

QString switchText(bool on) {
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

bool textSwitchIsOn(const QString& text) {
    return text.toUpper() == u"TRUE";
}

}  // namespace korvex
