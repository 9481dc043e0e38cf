#pragma once
// The columns a series file may have besides its date: their fixed names, units, what kind of
// series each is, and the values each takes.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantorel {

enum class SeriesQuantity {
    Rain,
    Irrigation,
    Evaporation,
    SurfaceDrainage,
    DrainDischarge,
    WaterTableDepth,
    SalinityLayer1,
    SalinityLayer2,
    SalinityLayer3,
    SalinityTransitionZone,
    SalinityAquifer,
    Tmin,
    Tmax,
    RhMin,
    RhMax,
    RhMean,
    WindSpeed,
    SunshineHours,
    SolarRadiation,
    CropFactor,
};
inline constexpr size_t SeriesQuantityCount = 20;

enum class SeriesKind {
    Flux,         // a daily amount needed on every day (rain, evaporation)
    Event,        // a daily amount on the days it happened, 0 on the others
    Measurement,  // readings on some days
    Weather,      // what the reference evapotranspiration is computed from
    CropFactor,   // multiplies the reference evapotranspiration
};

struct SeriesColumnInfo {
    SeriesQuantity quantity;
    const char* name;
    const char* unit;
    SeriesKind kind;
    double lowest;   // the smallest value taken
    double highest;  // the largest
};

std::span<const SeriesColumnInfo> SeriesColumnInfos();
const SeriesColumnInfo& InfoOf(SeriesQuantity quantity);
std::optional<SeriesQuantity> QuantityNamed(std::string_view name);

// "rain, irrigation, ...": every name a column may have, for a message.
std::string KnownColumnNames();

}  // namespace vantorel
