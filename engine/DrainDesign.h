#pragma once
// Drain design: the drainage factors of a spacing, and the spacing that carries a design
// discharge at a given head midway between the drains. Both rest on the computation of the
// drainage-factor calculator; the runner's commands and the Python module share them.

#include <stdexcept>
#include <string>

#include "engine/HooghoudtFactors.h"

namespace vantorel {

// A value or command line the drain design refuses; the message is the one the runner prints.
class DesignRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The checks of a design's values, each throwing DesignRefusal: a value of one of the calculator's
// fields, the drainable porosity (also against its range), the design discharge and the head.
void CheckDesignValue(CalculatorField field, double value);
void CheckDesignPorosity(double porosity);
void CheckDesignDischarge(double Q);
void CheckDesignHead(double H);

// The factors of the geometry's spacing, once the spacing and the whole geometry pass the
// calculator's checks and the spacing gives a positive equivalent depth; throws DesignRefusal.
DrainageFactors DesignFactors(const DrainGeometry& geometry);

// A design: the soil and drain geometry, the discharge to carry and the head allowed for it.
struct SpacingDesign {
    double Ka = 0, Kb = 0;  // m/day
    double D = 0, U = 0;    // m
    double Q = 0;           // design discharge, mm/day
    double H = 0;           // head midway between the drains, m
};

// The discharge in mm/day of drains at spacing L under the design's head, with the equivalent
// depth of that spacing.
double SpacingDischarge(const SpacingDesign& design, double L);

struct SpacingSolution {
    bool Found = false;
    double L = 0;          // the largest spacing in whole centimetres that carries the discharge
    double d = 0;          // equivalent depth at that spacing, m
    double Discharge = 0;  // what it carries, mm/day: at least Q
    std::string Problem;   // why no spacing meets the design
};

SpacingSolution FindDrainSpacing(const SpacingDesign& design);

}  // namespace vantorel
