#pragma once
// The data set of one input file, as the window's input groups enter it and the engine reads it.
// Units are those of the files and editors: flows in mm per time step, porosities and
// efficiencies in per cent. A run converts some fields in place and restores them afterwards.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/CalendarDate.h"

namespace vantorel {

// A 1-based series indexed by time step 1..NrTimeSteps; element 0 carries no input value
// (result series keep the initial state there).
using StepSeries = std::vector<double>;

// Markers of missing measurements.
inline constexpr double MissingDepthOrDischarge = -1000.0;  // DwtMeas, DrainMeas
inline constexpr double MissingSalinity = -1.0;             // S1meas .. SAmeas, S1init .. SAinit

// The longest time step, in days, that the input file and the run accept.
inline constexpr int32_t LongestTimeStep = 366;

struct InputData {
    // General data
    std::string FileName;
    std::string Title1;
    std::string Title2;
    int32_t NrTimeSteps = 11;
    int32_t Ts = 30;  // days per time step: 360, 30, 7 or 1
    int32_t NrLayers = 1;
    bool Is1Layer = true;
    bool Is2Layer = false;
    bool Is3Layer = false;
    int32_t LayerIndex = 0;  // NrLayers - 1 as read from the general-data line
    // The first day of time step 1, where the data came with dates.
    std::optional<CalendarDay> StartDate;

    // Hydrological data, mm per time step
    StepSeries Rain;
    StepSeries Irrig;
    StepSeries ETp;
    StepSeries Sdr;
    StepSeries SdrGiven;

    // Measurements; MissingDepthOrDischarge where not measured
    StepSeries DwtMeas;    // m below the soil surface
    StepSeries DrainMeas;  // mm per time step

    // Soil properties: thicknesses in m, porosities and leaching efficiencies in per cent
    double D1 = 0, D2 = 0, D3 = 0, Dt = 0, Da = 0;
    double TP1 = 0, TP2 = 0, TP3 = 0, TPt = 0, TPa = 0;
    double EffPor1 = 0, EffPor2 = 0, EffPor3 = 0, EffPort = 0, EffPora = 0;
    double LE1 = 0, LE2 = 0, LE3 = 0, LEt = 0, LEa = 0;

    // Measured soil-moisture salinity, dS/m; MissingSalinity where not measured
    StepSeries S1meas;
    StepSeries S2meas;
    StepSeries S3meas;
    StepSeries STmeas;
    StepSeries SAmeas;

    // Subsurface drainage system
    bool DrainPresent = false;
    double Dd = 0;   // drain depth, m
    double QH1 = 0;  // m/day per m of head
    double QH2 = 0;  // m/day per m^2 of head

    // Initial and boundary conditions
    double Si = 0;
    double S1init = 0, S2init = 0, S3init = 0, STinit = 0, SAinit = 0;
    double DwtInit = 0;
    double Dc = 0;
    double MoistInit = 0;  // per cent
    double IrrEff = 0;     // per cent
    double Inf = 0;        // mm/day
    double Out = 0;        // mm/day
    double Sinf = 0;

    // Rice cropping details
    bool RicePresent = false;
    double InfCap = 100;     // mm/day
    double RiceTransp = 40;  // per cent of ETp

    // Derived values
    int32_t NrTimeStepsSaved = 11;
    bool OlderFile = false;
    int32_t NrMeasDwt = 0;
    int32_t NrMeasDrain = 0;
    StepSeries IrrSpread;
    std::vector<int32_t> IrrSteps;
    std::vector<double> IrrIntervals;
    int32_t NrSalt1 = 0, NrSalt2 = 0, NrSalt3 = 0, NrSaltT = 0, NrSaltA = 0;

    // Engine working series, allocated with the input series on load
    StepSeries InfExcess;
    StepSeries Stor;
    StepSeries MrT;
    StepSeries Pond;
};

// Sets NrLayers and the three layer flags together, so that exactly one flag holds.
void SetLayerCount(InputData& data, int32_t layers);

// Resizes every series that a load allocates to NrTimeSteps + 1 elements, keeping their values.
void ResizeLoadedSeries(InputData& data);

// The counts of a data set as a loaded file gives them: the time steps (saved ones too), the step
// length and the layer count (flags and LayerIndex too), with every loaded series sized for them.
void SetDimensions(InputData& data, int32_t steps, int32_t step_length, int32_t layers);

// Thickness of the whole root zone for the layer count.
double RootZoneThickness(const InputData& data);

}  // namespace vantorel
