#include "output/AsciiFormat.h"

#include <algorithm>
#include <optional>

namespace korvex {
namespace {

std::optional<int> placeNumber(const QString& text) {
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    return isNumber ? std::optional(number) : std::nullopt;
}

int highestPlace(const AsciiFormat& format) {
    int highest = 0;
    for (const QString& place : format.places) {
        highest = std::max(highest, placeNumber(place).value_or(0));
    }
    return highest;
}

std::size_t at(int column) {
    return static_cast<std::size_t>(column);
}

}  // namespace

void checkColumn(AsciiFormat& format, int column) {
    format.checked[at(column)] = true;
    QString& place = format.places[at(column)];
    if (!place.isEmpty()) {
        return;
    }
    const auto placedOthers = std::count_if(format.places.begin(), format.places.end(),
                                            [](const QString& other) { return !other.isEmpty(); });
    place = QString::number(placedOthers + 1);
}

void uncheckColumn(AsciiFormat& format, int column) {
    format.checked[at(column)] = false;
    const std::optional<int> old = placeNumber(format.places[at(column)]);
    format.places[at(column)].clear();
    if (!old) {
        return;
    }
    for (QString& place : format.places) {
        if (const auto number = placeNumber(place); number && *number > *old) {
            place = QString::number(*number - 1);
        }
    }
}

void setColumnChecked(AsciiFormat& format, int column, bool checked) {
    if (checked) {
        checkColumn(format, column);
    } else {
        uncheckColumn(format, column);
    }
}

void checkEveryColumn(AsciiFormat& format) {
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        format.checked[at(column)] = true;
        format.places[at(column)] = QString::number(column + 1);
    }
}

void uncheckEveryColumn(AsciiFormat& format) {
    format.checked.fill(false);
    for (QString& place : format.places) {
        place.clear();
    }
}

void placeUnplacedColumns(AsciiFormat& format) {
    int next = highestPlace(format) + 1;
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        if (format.checked[at(column)] && format.places[at(column)].isEmpty()) {
            format.places[at(column)] = QString::number(next++);
        }
    }
}

}  // namespace korvex
