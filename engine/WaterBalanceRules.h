#pragma once
// The physical rules of the water balance, each written once: the final water balance of a run
// (engine/WaterBalance.cpp) and the drainage-factor search's fast trials (engine/DrainageGridSearch.cpp)
// call them. The rules that the fast search applies to a hundred trials at once select rather
// than branch, so that the compiler can vectorise its loops; the sub-step rules are templates over
// a double and a vector of doubles (GCC's vector extension, whose every operation is the same
// IEEE operation on each lane), so that every caller gets the same bits.

#include <type_traits>

#include "model/InputData.h"

namespace vantorel {

// Where a sub-step takes the effective porosity from.
enum class PorosityDepth {
    SubStep,    // the depth the water table has reached in the sub-step
    StepStart,  // the depth at the start of the step
};

// The choices by which a water balance may differ from the final one of a calculation.
struct WaterBalanceModel {
    // Every day of a step, or only one: every day repeats the first (each starts from the depth at
    // the start of the step), so one day gives the same depth, and the step's sums and mean
    // discharge are then that day's values.
    bool every_day;
    // A water table below the aquifer bottom stops the run with a message.
    bool stop_below_aquifer;
    PorosityDepth porosity;
};

inline constexpr WaterBalanceModel FinalBalance{true, true, PorosityDepth::SubStep};
// The trial model of the drainage-factor search.
inline constexpr WaterBalanceModel TrialBalance{false, false, PorosityDepth::StepStart};

// The deepest water a rice field keeps standing, mm.
inline constexpr double PondCap = 200;

// A value in every lane.
template <class T>
inline T Splat(double value) {
    if constexpr (std::is_same_v<T, double>) {
        return value;
    } else {
        return T{} + value;
    }
}

// Zero in every lane.
template <class T>
inline T Zero() {
    return T{};
}

template <class T>
inline T AtLeastZero(T value) {
    return value < Zero<T>() ? Zero<T>() : value;
}

// The moisture the root zone holds at most, mm: its pores that do not drain, over its layers.
inline double RootZoneMoistureCapacity(const InputData& d) {
    if (d.Is3Layer) {
        return 1000 * ((d.TP1 - d.EffPor1) * d.D1 + (d.TP2 - d.EffPor2) * d.D2 + (d.TP3 - d.EffPor3) * d.D3);
    }
    if (d.Is2Layer) return 1000 * ((d.TP1 - d.EffPor1) * d.D1 + (d.TP2 - d.EffPor2) * d.D2);
    return 1000 * ((d.TP1 - d.EffPor1) * d.D1);
}

// ---------------------------------------------------------------------------------------------
// The start of a step: surface drainage and ponding.

// Water table at or below the surface (no rice): the surface drainage leaves from the irrigation;
// when rain and irrigation cannot give it all, it shrinks to what they give.
inline void DrainSurfaceFromIrrigation(double rain, double& irrigation, double& sdr) {
    irrigation = irrigation - sdr;
    if (rain + irrigation < 0) {
        sdr = AtLeastZero(sdr + rain + irrigation);
        irrigation = 0;
    }
}

// Water standing on the surface at the start of the step (no rice): it drains off as far as the
// given surface drainage allows; what stays is the step's starting depth (0 when nothing stays).
inline void DrainPondedWater(double& dwt, double& sdr, double sdr_given) {
    const double ponded = 1000 * -dwt;
    const bool drains_off = ponded <= sdr_given;
    sdr = drains_off ? ponded : sdr_given;
    dwt = drains_off ? 0.0 : -(ponded - sdr) / 1000;
}

// Rice: the water that can neither infiltrate nor drain off stands on the field and adds to the
// ponded store, which keeps at most PondCap; what would stand higher drains off as well.
inline void PondRiceField(double rain_irrigation, double etp, double rice_transpiration, double infiltration_capacity,
                          double sdr_given, double& sdr, double& inf_excess, double& pond_store) {
    const double x = rain_irrigation - rice_transpiration * etp / 100 - infiltration_capacity;
    if (x < sdr) {
        sdr = x;
        if (sdr > sdr_given) sdr = sdr_given;
        if (sdr < 0) sdr = 0;
    }
    inf_excess = AtLeastZero(x - sdr);
    pond_store = pond_store + inf_excess;
    if (pond_store > PondCap) {
        const double e = pond_store - PondCap;
        pond_store = PondCap;
        sdr = sdr + e;
        inf_excess = inf_excess - e;
    }
}

// The water that enters the soil.
inline double Infiltration(double rain_irrigation, double sdr, double inf_excess) {
    return rain_irrigation - sdr - inf_excess;
}

// ---------------------------------------------------------------------------------------------
// A day of the root zone.

// The share of the evapotranspiration deficit that capillary rise makes up: 1 with the water
// table at half the root zone or higher, 0 at the critical depth or deeper, linear between;
// always 1 when the critical depth is not below half the root zone. half_root_zone_gap is the
// critical depth less half the root zone.
inline double CapillaryFactor(double dwt, double critical_depth, double half_root_zone_gap) {
    double cf = (critical_depth - dwt) / half_root_zone_gap;
    cf = cf < 0 ? 0 : cf;
    cf = cf > 1 ? 1 : cf;
    return half_root_zone_gap > 0 ? cf : 1.0;
}

// The day's actual evapotranspiration and capillary rise: the potential when the infiltration
// covers it at the irrigation efficiency; otherwise the efficient part of the infiltration and the
// capillary factor's share of the rest, the part above the infiltration rising from the water
// table. Never above the potential. etp_over_efficiency is etp / irrigation_efficiency.
inline void EvaporationAndRise(double infil, double cf, double etp, double etp_over_efficiency,
                               double irrigation_efficiency, double& evap, double& cap) {
    const double short_evap = irrigation_efficiency * infil + cf * (etp - irrigation_efficiency * infil);
    const bool covered = etp_over_efficiency <= infil;
    evap = covered ? etp : short_evap;
    cap = covered ? 0 : AtLeastZero(short_evap - infil);
    evap = evap > etp ? etp : evap;
}

// Daily steps: the change of root-zone moisture, so that the root zone never holds more than its
// capacity; moisture goes from the previous day's to the new.
inline double DailyStorage(double rain_irrigation, double evap, double previous_storage, double capacity,
                           double& moisture) {
    double storage = rain_irrigation - evap;
    storage = storage + previous_storage > capacity ? capacity - previous_storage : storage;
    const double filled = AtLeastZero(moisture + storage);
    const bool full = filled > capacity;
    moisture = full ? capacity : filled;
    return full ? 0 : storage;
}

// The water that leaves the root zone downward; steps longer than a day keep no storage (0).
inline double RootZonePercolation(double rain_irrigation, double evap, double storage) {
    return AtLeastZero(rain_irrigation - evap - storage);
}

// Daily steps: the day's percolation and capillary rise offset each other.
inline void NetPercolationAndRise(double& perc, double& cap) {
    const double gross_perc = perc;
    const bool percolates = gross_perc > cap;
    perc = percolates ? gross_perc - cap : 0;
    cap = percolates ? 0 : cap - gross_perc;
}

// ---------------------------------------------------------------------------------------------
// The tenth-day sub-steps of the water table.

// The drain discharge of a sub-step, mm: from the head of the water table above the drains, the
// squared-head term doubled while water stands 0.1 m or more above the surface. c1 and c2 are
// 1000 QH1 and 1000 QH2.
template <class T>
inline T SubStepDischarge(T dwt, T drain_depth, T c1, T c2) {
    const T head = drain_depth - dwt;
    T dra = c2 * (head * head) / Splat<T>(10);
    const T drb = c1 * head / Splat<T>(10);
    dra = dwt <= Splat<T>(-0.1) ? Splat<T>(2) * dra : dra;
    const T discharge = AtLeastZero(dra + drb);
    return head > Zero<T>() ? discharge : Zero<T>();
}

// The depth after a sub-step: the recharge (a tenth of the day's percolation less its capillary
// rise) less the discharge, plus a tenth of the groundwater inflow less the outflow, spread over
// the drainable pores (pores = 1000 x the effective porosity).
template <class T>
inline T SubStepDepth(T dwt, T recharge, T discharge, T inflow, T outflow, T pores) {
    return dwt - (recharge - discharge + inflow - outflow) / pores;
}

}  // namespace vantorel
