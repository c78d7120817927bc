#pragma once

#include <QString>

#include <cmath>
#include <optional>

namespace korvex {

// Window positions are stored in twips (1/1440 inch), as the settings of earlier installations hold
// them; on a 96-dpi screen a pixel is 15 twips.
inline constexpr double kTwipsPerPixel = 15.0;

inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QString twipsTextFromPixels(int pixels) {
    return QString::number(pixels * kTwipsPerPixel);
}

// The twips of a stored or typed position text; nothing when the text is not a number.
inline std::optional<int> pixelsFromTwipsText(const QString& text) {
    bool ok = false;
    const double twips = text.trimmed().toDouble(&ok);
    return ok ? std::optional<int>(pixelsFromTwips(twips)) : std::nullopt;
}

}  // namespace korvex
