// The reference evapotranspiration against the worked examples of FAO-56, each term to the
// precision the examples print.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/ReferenceEvapotranspiration.h"

namespace vantorel {
namespace {

// The value rounded to the printed decimals.
double Printed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

TEST(ReferenceEvapotranspirationTest, GivesTheDailyExampleOfBrusselsTermByTerm) {
    // 6 July at 50 degrees 48' N, 100 m above sea level; wind of 10 km/h measured at 10 m.
    DailyWeather w;
    w.day_of_year = 187;
    w.tmax = 21.5;
    w.tmin = 12.3;
    w.rh_max = 84;
    w.rh_min = 63;
    w.sunshine_hours = 9.25;
    w.wind_speed = WindAtTwoMetres(10 / 3.6, 10);
    EXPECT_EQ(Printed(w.wind_speed, 3), 2.078);

    const PenmanMonteithTerms t = PenmanMonteith(w, 50 + 48.0 / 60, 100);
    EXPECT_EQ(Printed(t.slope, 3), 0.122);
    EXPECT_EQ(Printed(t.pressure, 1), 100.1);
    EXPECT_EQ(Printed(t.psychrometric, 4), 0.0666);
    EXPECT_EQ(Printed(t.e_tmax, 3), 2.564);
    EXPECT_EQ(Printed(t.e_tmin, 3), 1.431);
    EXPECT_EQ(Printed(t.saturation, 3), 1.997);
    EXPECT_EQ(Printed(t.actual, 3), 1.409);
    EXPECT_EQ(Printed(t.extraterrestrial, 2), 41.09);
    EXPECT_EQ(Printed(t.daylight_hours, 1), 16.1);
    EXPECT_EQ(Printed(t.solar, 2), 22.07);
    EXPECT_EQ(Printed(t.clear_sky, 2), 30.90);
    EXPECT_EQ(Printed(t.net_shortwave, 2), 17.00);
    EXPECT_EQ(Printed(t.net_longwave, 2), 3.71);
    EXPECT_EQ(Printed(t.net, 2), 13.28);
    EXPECT_EQ(Printed(t.et0, 1), 3.9);

    // The measured radiation, where given, replaces the one from the sunshine hours.
    w.solar_radiation = t.solar;
    w.sunshine_hours.reset();
    EXPECT_DOUBLE_EQ(PenmanMonteith(w, 50.8, 100).et0, t.et0);
}

TEST(ReferenceEvapotranspirationTest, GivesTheRadiationExamplesAndStaysFiniteAtThePoles) {
    // 3 September at 20 degrees S.
    EXPECT_EQ(Printed(ExtraterrestrialRadiation(246, -20), 1), 32.2);
    EXPECT_EQ(Printed(DaylightHours(246, -20), 1), 11.7);

    // In the polar night there is no sun and no clear-sky radiation; in the polar day no sunset.
    EXPECT_EQ(DaylightHours(1, 80), 0);
    EXPECT_EQ(ExtraterrestrialRadiation(1, 80), 0);
    EXPECT_EQ(DaylightHours(172, 80), 24);
    DailyWeather w;
    w.day_of_year = 1;
    w.tmin = -30;
    w.tmax = -20;
    w.rh_mean = 70;
    w.sunshine_hours = 0;
    w.wind_speed = 3;
    EXPECT_TRUE(std::isfinite(PenmanMonteith(w, 80, 0).et0));
    EXPECT_TRUE(std::isfinite(Hargreaves(w, 90)));
}

}  // namespace
}  // namespace vantorel
