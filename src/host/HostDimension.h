#pragma once

#include <QString>

namespace korvex {

// The dimension object of a dimension command. Every call may throw HostCallError.
class HostDimension {
  public:
    virtual ~HostDimension() = default;

    virtual double bonus() = 0;
    virtual double deviation() = 0;
    virtual double datumLength() = 0;
    virtual double nominal() = 0;
    virtual double max() = 0;
    virtual double measured() = 0;
    virtual double min() = 0;
    // The magnitude of the lower tolerance.
    virtual double minusTolerance() = 0;
    virtual double plusTolerance() = 0;
    virtual double outOfTolerance() = 0;

    virtual QString name() = 0;
    // Feature 1..3 that the dimension refers to.
    virtual QString featureName(int number) = 0;
    virtual QString axisLabel() = 0;
    // Datum 1..3.
    virtual QString datumLabel(int number) = 0;

    virtual int outputCode() = 0;
    virtual int unitCode() = 0;

    virtual bool isLocationAxis() = 0;
    virtual bool isTruePositionAxis() = 0;
};

}  // namespace korvex
