#include "engine/ReferenceEvapotranspiration.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantorel {

namespace {

constexpr double SolarConstant = 0.0820;      // MJ/m2/min
constexpr double StefanBoltzmann = 4.903e-9;  // MJ/K4/m2/day
constexpr double Albedo = 0.23;
constexpr double AngstromA = 0.25, AngstromB = 0.50;
constexpr double MegajoulesToMillimetres = 0.408;  // the evaporation equivalent of radiation

struct SunPosition {
    double latitude, declination, inverse_distance, sunset_angle;
};

SunPosition Sun(int day_of_year, double latitude_degrees) {
    const double phi = latitude_degrees * std::numbers::pi / 180;
    const double year_angle = 2 * std::numbers::pi * day_of_year / 365;
    const double declination = 0.409 * std::sin(year_angle - 1.39);
    // Beyond the polar circles the sun may not rise or not set: the angle is then 0 or pi.
    const double cosine = std::clamp(-std::tan(phi) * std::tan(declination), -1.0, 1.0);
    return {phi, declination, 1 + 0.033 * std::cos(year_angle), std::acos(cosine)};
}

double SaturationVapourPressure(double t) {
    return 0.6108 * std::exp(17.27 * t / (t + 237.3));
}

}  // namespace

double WindAtTwoMetres(double speed, double height) {
    return speed * 4.87 / std::log(67.8 * height - 5.42);
}

double ExtraterrestrialRadiation(int day_of_year, double latitude) {
    const SunPosition s = Sun(day_of_year, latitude);
    return 24 * 60 / std::numbers::pi * SolarConstant * s.inverse_distance *
           (s.sunset_angle * std::sin(s.latitude) * std::sin(s.declination) +
            std::cos(s.latitude) * std::cos(s.declination) * std::sin(s.sunset_angle));
}

double DaylightHours(int day_of_year, double latitude) {
    return 24 / std::numbers::pi * Sun(day_of_year, latitude).sunset_angle;
}

PenmanMonteithTerms PenmanMonteith(const DailyWeather& w, double latitude, double elevation) {
    PenmanMonteithTerms t;
    const double mean = (w.tmax + w.tmin) / 2;
    t.slope = 4098 * SaturationVapourPressure(mean) / ((mean + 237.3) * (mean + 237.3));
    t.pressure = 101.3 * std::pow((293 - 0.0065 * elevation) / 293, 5.26);
    t.psychrometric = 0.665e-3 * t.pressure;
    t.e_tmax = SaturationVapourPressure(w.tmax);
    t.e_tmin = SaturationVapourPressure(w.tmin);
    t.saturation = (t.e_tmax + t.e_tmin) / 2;
    t.actual = w.rh_max && w.rh_min ? (t.e_tmin * *w.rh_max / 100 + t.e_tmax * *w.rh_min / 100) / 2
                                    : w.rh_mean.value_or(0) / 100 * t.saturation;
    t.extraterrestrial = ExtraterrestrialRadiation(w.day_of_year, latitude);
    t.daylight_hours = DaylightHours(w.day_of_year, latitude);
    if (w.solar_radiation) {
        t.solar = *w.solar_radiation;
    } else {
        const double sunny = t.daylight_hours > 0 ? w.sunshine_hours.value_or(0) / t.daylight_hours : 0;
        t.solar = (AngstromA + AngstromB * std::min(sunny, 1.0)) * t.extraterrestrial;
    }
    t.clear_sky = (0.75 + 2e-5 * elevation) * t.extraterrestrial;
    t.net_shortwave = (1 - Albedo) * t.solar;
    // Without clear-sky radiation (a polar night) the sky counts as clear.
    const double relative = t.clear_sky > 0 ? std::min(t.solar / t.clear_sky, 1.0) : 1.0;
    const double kelvin_max = w.tmax + 273.16, kelvin_min = w.tmin + 273.16;
    t.net_longwave = StefanBoltzmann *
                     (kelvin_max * kelvin_max * kelvin_max * kelvin_max + kelvin_min * kelvin_min * kelvin_min * kelvin_min) /
                     2 * (0.34 - 0.14 * std::sqrt(t.actual)) * (1.35 * relative - 0.35);
    t.net = t.net_shortwave - t.net_longwave;
    t.et0 = (MegajoulesToMillimetres * t.slope * t.net +
             t.psychrometric * 900 / (mean + 273) * w.wind_speed * (t.saturation - t.actual)) /
            (t.slope + t.psychrometric * (1 + 0.34 * w.wind_speed));
    return t;
}

double Hargreaves(const DailyWeather& w, double latitude) {
    const double mean = (w.tmax + w.tmin) / 2;
    return 0.0023 * (mean + 17.8) * std::sqrt(w.tmax - w.tmin) * MegajoulesToMillimetres *
           ExtraterrestrialRadiation(w.day_of_year, latitude);
}

}  // namespace vantorel
