#pragma once
// Daily reference evapotranspiration ET0 of a grass surface (FAO-56): the Penman-Monteith
// equation from temperatures, humidity, wind and sunshine or radiation, and the Hargreaves
// equation from temperatures alone. Both need the extraterrestrial radiation of the day, hence
// the latitude.

#include <optional>

namespace vantorel {

struct DailyWeather {
    int day_of_year = 1;
    double tmin = 0, tmax = 0;  // degrees C
    // Vapour pressure from rh_max and rh_min where both are given, else from rh_mean (per cent).
    std::optional<double> rh_min, rh_max, rh_mean;
    double wind_speed = 0;  // m/s at 2 m
    // Solar radiation (MJ/m2/day) where given, else from the sunshine hours.
    std::optional<double> sunshine_hours, solar_radiation;
};

// Every term of the Penman-Monteith equation, as FAO-56 sets its examples out.
struct PenmanMonteithTerms {
    double slope = 0;            // of the saturation vapour pressure curve, kPa/degree C
    double pressure = 0;         // atmospheric pressure, kPa
    double psychrometric = 0;    // kPa/degree C
    double e_tmax = 0, e_tmin = 0, saturation = 0, actual = 0;  // vapour pressures, kPa
    double extraterrestrial = 0;  // Ra, MJ/m2/day
    double daylight_hours = 0;    // N
    double solar = 0, clear_sky = 0, net_shortwave = 0, net_longwave = 0, net = 0;  // MJ/m2/day
    double et0 = 0;                                                                   // mm/day
};

// Wind speed at 2 m from a speed measured at another height (m), by the logarithmic profile.
double WindAtTwoMetres(double speed, double height);

// Extraterrestrial radiation (MJ/m2/day) and the daylight hours of a day at a latitude (degrees,
// south negative). In a polar night both are 0, in a polar day the sun never sets.
double ExtraterrestrialRadiation(int day_of_year, double latitude);
double DaylightHours(int day_of_year, double latitude);

// Needs rh_max and rh_min or rh_mean, and sunshine_hours or solar_radiation. The soil heat flux
// is 0 (daily steps), the albedo 0.23, the Angstrom coefficients 0.25 and 0.50.
PenmanMonteithTerms PenmanMonteith(const DailyWeather& weather, double latitude, double elevation);

// ET0 (mm/day) from the temperatures and the extraterrestrial radiation.
double Hargreaves(const DailyWeather& weather, double latitude);

}  // namespace vantorel
