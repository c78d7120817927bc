#pragma once

#include <QString>

namespace korvex {

// A request the simulated host refuses, with the D-Bus error name and the text its caller sees.
struct SimRequestError {
    QString name;
    QString message;
};

}  // namespace korvex
