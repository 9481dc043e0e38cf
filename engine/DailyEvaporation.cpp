#include "engine/DailyEvaporation.h"

#include <algorithm>

#include "engine/ReferenceEvapotranspiration.h"

namespace vantorel {

namespace {

using Q = SeriesQuantity;

}  // namespace

EvaporationMethod ChooseMethod(const DailyRecords& r, std::vector<std::string>& unused) {
    std::vector<Q> taken;
    EvaporationMethod method = EvaporationMethod::None;
    const bool pair = r.HasColumn(Q::RhMax) && r.HasColumn(Q::RhMin);
    if (r.HasColumn(Q::Evaporation)) {
        method = EvaporationMethod::Given;
    } else if (r.HasColumn(Q::Tmin) && r.HasColumn(Q::Tmax)) {
        const bool humidity = pair || r.HasColumn(Q::RhMean);
        const bool radiation = r.HasColumn(Q::SunshineHours) || r.HasColumn(Q::SolarRadiation);
        taken = {Q::Tmin, Q::Tmax, Q::CropFactor};
        if (r.HasColumn(Q::WindSpeed) && humidity && radiation) {
            method = EvaporationMethod::PenmanMonteith;
            taken.insert(taken.end(), {Q::WindSpeed, Q::RhMean, Q::SunshineHours, Q::SolarRadiation});
            if (pair) taken.insert(taken.end(), {Q::RhMax, Q::RhMin});
        } else {
            method = EvaporationMethod::Hargreaves;
        }
    }
    for (const SeriesColumnInfo& info : SeriesColumnInfos()) {
        const bool weather = info.kind == SeriesKind::Weather || info.kind == SeriesKind::CropFactor;
        if (weather && r.HasColumn(info.quantity) && std::find(taken.begin(), taken.end(), info.quantity) == taken.end()) {
            unused.emplace_back(info.name);
        }
    }
    return method;
}

std::optional<double> DailyEt0(const DailyRecords& r, EvaporationMethod method, const ImportSettings& s,
                               CalendarDay day) {
    DailyWeather w;
    w.day_of_year = DayOfYear(day);
    const std::optional<double> tmin = r.Value(Q::Tmin, day), tmax = r.Value(Q::Tmax, day);
    if (!tmin || !tmax || !s.latitude) return std::nullopt;
    w.tmin = *tmin;
    w.tmax = *tmax;
    if (method == EvaporationMethod::Hargreaves) return Hargreaves(w, *s.latitude);
    const std::optional<double> wind = r.Value(Q::WindSpeed, day);
    w.rh_max = r.Value(Q::RhMax, day);
    w.rh_min = r.Value(Q::RhMin, day);
    if (!w.rh_max || !w.rh_min) w.rh_max = w.rh_min = std::nullopt;
    w.rh_mean = r.Value(Q::RhMean, day);
    w.sunshine_hours = r.Value(Q::SunshineHours, day);
    w.solar_radiation = r.Value(Q::SolarRadiation, day);
    const bool humidity = w.rh_max || w.rh_mean, radiation = w.sunshine_hours || w.solar_radiation;
    if (method != EvaporationMethod::PenmanMonteith || !wind || !humidity || !radiation || !s.elevation) {
        return std::nullopt;
    }
    w.wind_speed = WindAtTwoMetres(*wind, s.wind_height);
    return PenmanMonteith(w, *s.latitude, *s.elevation).et0;
}

}  // namespace vantorel
