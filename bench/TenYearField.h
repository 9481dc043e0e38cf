#pragma once

#include "model/InputData.h"

namespace vantorel::bench {

// Ten years of daily steps on a drained field with three root-zone layers: seasonal rain,
// irrigation and evaporation, a measured depth and a measured discharge about every month (made by
// the field's water balance with known drainage factors, with scatter) and a measured salinity about every quarter in each
// zone.
InputData TenYearField();

}  // namespace vantorel::bench
