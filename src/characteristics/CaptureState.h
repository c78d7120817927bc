#pragma once

#include <QString>

#include <array>

namespace korvex {

// Link slots 1 to 20: the comment-table entries waiting to be attached to the next characteristic
// rows. Slot k holds the entry of comment line k in multi-line mode; slot 1 alone is used otherwise.
// 0 means nothing pending.
class PendingComments {
  public:
    static constexpr int kSlotCount = 20;

    // The entry in slot 1..20; 0 outside.
    int slot(int number) const { return isSlot(number) ? slots_[number - 1] : 0; }
    // A number outside 1..20 is ignored.
    void set(int number, int entry) {
        if (isSlot(number))
            slots_[number - 1] = entry;
    }
    void clear() { slots_.fill(0); }

    friend bool operator==(const PendingComments&, const PendingComments&) = default;

  private:
    static bool isSlot(int number) { return number >= 1 && number <= kSlotCount; }

    std::array<int, kSlotCount> slots_{};
};

// What the header command of a location or true-position dimension hands to each of its axis rows.
struct LocationHeader {
    QString id;
    QString element1;
    QString element2;
    QString element3;
    int outputCode = 0;
    int unitCode = 0;

    friend bool operator==(const LocationHeader&, const LocationHeader&) = default;
};

// The state a walk over the commands carries from one command to the next.
struct CaptureState {
    // Number of the command being read, from 1.
    int commandIndex = 0;
    PendingComments pendingComments;
    // Axis rows made so far inside the current location or true-position dimension.
    int axisCounter = 0;
    // A location or true-position header has been seen and its end has not.
    bool inLocationDim = false;
    LocationHeader locationHeader;

    friend bool operator==(const CaptureState&, const CaptureState&) = default;
};

}  // namespace korvex
