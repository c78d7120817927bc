#pragma once

#include <QString>

#include <compare>

namespace korvex {

// The pair of numbers by which the host identifies a command for as long as the part program exists.
struct UniqueId {
    int first = 0;
    int second = 0;

    // The text users see: both numbers in decimal, written one after the other ("12" and "345" give "12345").
    QString text() const { return QString::number(first) + QString::number(second); }

    friend bool operator==(const UniqueId&, const UniqueId&) = default;
    friend auto operator<=>(const UniqueId&, const UniqueId&) = default;
};

}  // namespace korvex
