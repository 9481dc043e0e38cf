#include "model/SeriesColumns.h"

#include <limits>

namespace vantorel {

namespace {

constexpr double Unbounded = std::numeric_limits<double>::max();

// In the order of SeriesQuantity.
constexpr SeriesColumnInfo Infos[] = {
    {SeriesQuantity::Rain, "rain", "mm/day", SeriesKind::Flux, 0, Unbounded},
    {SeriesQuantity::Irrigation, "irrigation", "mm/day", SeriesKind::Event, 0, Unbounded},
    {SeriesQuantity::Evaporation, "evaporation", "mm/day", SeriesKind::Flux, 0, Unbounded},
    {SeriesQuantity::SurfaceDrainage, "surface_drainage", "mm/day", SeriesKind::Event, 0, Unbounded},
    {SeriesQuantity::DrainDischarge, "drain_discharge", "mm/day", SeriesKind::Measurement, 0, Unbounded},
    // The input file marks a depth not measured by -1000.
    {SeriesQuantity::WaterTableDepth, "water_table_depth", "m", SeriesKind::Measurement, -999, Unbounded},
    {SeriesQuantity::SalinityLayer1, "salinity_layer_1", "dS/m", SeriesKind::Measurement, 0, Unbounded},
    {SeriesQuantity::SalinityLayer2, "salinity_layer_2", "dS/m", SeriesKind::Measurement, 0, Unbounded},
    {SeriesQuantity::SalinityLayer3, "salinity_layer_3", "dS/m", SeriesKind::Measurement, 0, Unbounded},
    {SeriesQuantity::SalinityTransitionZone, "salinity_transition_zone", "dS/m", SeriesKind::Measurement, 0, Unbounded},
    {SeriesQuantity::SalinityAquifer, "salinity_aquifer", "dS/m", SeriesKind::Measurement, 0, Unbounded},
    // The coldest and hottest air ever measured lie within these.
    {SeriesQuantity::Tmin, "tmin", "degrees C", SeriesKind::Weather, -90, 60},
    {SeriesQuantity::Tmax, "tmax", "degrees C", SeriesKind::Weather, -90, 60},
    {SeriesQuantity::RhMin, "rh_min", "%", SeriesKind::Weather, 0, 100},
    {SeriesQuantity::RhMax, "rh_max", "%", SeriesKind::Weather, 0, 100},
    {SeriesQuantity::RhMean, "rh_mean", "%", SeriesKind::Weather, 0, 100},
    {SeriesQuantity::WindSpeed, "wind_speed", "m/s", SeriesKind::Weather, 0, Unbounded},
    {SeriesQuantity::SunshineHours, "sunshine_hours", "h", SeriesKind::Weather, 0, 24},
    {SeriesQuantity::SolarRadiation, "solar_radiation", "MJ/m2/day", SeriesKind::Weather, 0, Unbounded},
    {SeriesQuantity::CropFactor, "crop_factor", "-", SeriesKind::CropFactor, 0, 5},
};
static_assert(std::size(Infos) == SeriesQuantityCount);

}  // namespace

std::span<const SeriesColumnInfo> SeriesColumnInfos() {
    return Infos;
}

const SeriesColumnInfo& InfoOf(SeriesQuantity quantity) {
    return Infos[static_cast<size_t>(quantity)];
}

std::optional<SeriesQuantity> QuantityNamed(std::string_view name) {
    for (const SeriesColumnInfo& info : Infos) {
        if (name == info.name) return info.quantity;
    }
    return std::nullopt;
}

std::string KnownColumnNames() {
    std::string names;
    for (const SeriesColumnInfo& info : Infos) names += (names.empty() ? "" : ", ") + std::string(info.name);
    return names;
}

}  // namespace vantorel
