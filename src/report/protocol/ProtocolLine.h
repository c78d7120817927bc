#pragma once

#include <QString>

#include <array>
#include <optional>

namespace korvex {

// One row of the live protocol sheet, decided when the host's event came in and written later.
struct ProtocolLine {
    enum class Kind {
        // The command's identifier text over the whole row, merged, grey and bold.
        Title,
        // The type text (bold) in column A and the values in B to H.
        Values,
    };
    // Columns B to H: nominal, measured, deviation, upper tolerance, lower tolerance, bonus,
    // amount out of tolerance. A value the host did not give as a finite number stays empty.
    using ValueCells = std::array<std::optional<double>, 7>;

    Kind kind = Kind::Values;
    // The title, or the type text (empty when the feature names give none).
    QString text;
    ValueCells values;

    friend bool operator==(const ProtocolLine&, const ProtocolLine&) = default;
};

}  // namespace korvex
