#pragma once
// The output file (".out") described once: the labelled header lines, the column headings and the
// columns of a step row for each layer count. The writer, the reader, the result tables and the
// table exports all work from these rows.

#include <cstdint>
#include <span>

#include "model/ModelState.h"

namespace vantorel {

// A result series of a run with its names. It lives in the run values, or, for the surface water
// and the storage change, in the data set.
struct OutputQuantity {
    StepSeries RunValues::*run;
    StepSeries InputData::*input;
    const char* name;   // in messages about the value
    const char* title;  // in table exports; a salinity's title gets ", calculated (dS/m)" added
    StepSeries InputData::*measured = nullptr;  // the measured salinities beside a salinity column
    // The row of step i shows element i - 1, the state at the start of the step; the reader
    // stores it as element i.
    bool at_step_start = false;
};

const StepSeries& SeriesOf(const ModelState& state, const OutputQuantity& quantity);
StepSeries& SeriesOf(ModelState& state, const OutputQuantity& quantity);

inline constexpr OutputQuantity Percolation{&RunValues::Perc, nullptr, "percolation", "Percolation (mm/time step)"};
inline constexpr OutputQuantity CapillaryRise{&RunValues::Cap, nullptr, "capillary rise",
                                              "Capillary rise (mm/time step)"};
inline constexpr OutputQuantity ActualEvapotranspiration{&RunValues::EvapT, nullptr, "actual evapotranspiration",
                                                         "Actual evapotranspiration (mm/time step)"};
inline constexpr OutputQuantity DrainDischarge{&RunValues::Drain, nullptr, "drain discharge",
                                               "Drain discharge (mm/time step)"};
inline constexpr OutputQuantity WaterTableDepth{&RunValues::Dwt, nullptr, "depth of the water table",
                                                "Water table depth at the start of the step (m)", nullptr, true};
// The salinity of each zone, with the measured values that the tables show beside it. A root
// zone of a single layer has names of its own.
inline constexpr OutputQuantity ZoneSalinities[ZoneCount] = {
    {&RunValues::S1, nullptr, "salinity of layer 1", "Root zone layer 1 salinity", &InputData::S1meas},
    {&RunValues::S2, nullptr, "salinity of layer 2", "Root zone layer 2 salinity", &InputData::S2meas},
    {&RunValues::S3, nullptr, "salinity of layer 3", "Root zone layer 3 salinity", &InputData::S3meas},
    {&RunValues::STr, nullptr, "salinity of the transition zone", "Transition zone salinity", &InputData::STmeas},
    {&RunValues::SAq, nullptr, "salinity of the aquifer", "Aquifer salinity", &InputData::SAmeas},
};
inline constexpr OutputQuantity RootZoneSalinity{&RunValues::S1, nullptr, "salinity of the root zone",
                                                 "Root zone salinity", &InputData::S1meas};
inline constexpr OutputQuantity StorageChange{nullptr, &InputData::Stor, "change of root-zone moisture",
                                              "Change of root zone moisture storage (mm/time step)"};
inline constexpr OutputQuantity SurfaceDrainage{nullptr, &InputData::Sdr, "surface drainage",
                                                "Surface drainage, actual (mm/time step)"};
inline constexpr OutputQuantity PondedWater{nullptr, &InputData::Pond, "water standing on the soil surface",
                                            "Water standing on the soil surface (mm)"};

// How the reader takes a column back.
enum class OutputRead {
    Number,           // converted by value
    Storage,          // only in files whose headings have "Storage"
    SurfaceDrainage,  // a row of an older file (no storage column) without it is refused
    Ponding,          // blanks removed; an empty field is 0
};

// Why the reader's fields are not the writer's columns: the step number is written in 9
// characters but read in 10, and every field then takes the tail of its column and the leading
// blanks of the next. A value reads back as long as it keeps that many leading blanks.
inline constexpr const char* OutputReadShift =
    "the field takes the tail of its column and the leading blanks of the next";

// One column of a step row: written F(width, decimals), read as the next read_span characters.
struct OutputColumn {
    const OutputQuantity* quantity;
    int width, decimals;
    size_t read_span;
    OutputRead read = OutputRead::Number;
    const char* why = OutputReadShift;
};

inline constexpr int OutputStepWidth = 9;       // I(9)
inline constexpr size_t OutputStepSpan = 10;    // the reader's field of the step number

// The step rows and their headings for one layer count.
struct OutputRowLayout {
    std::span<const char* const> headings;  // the last is the only line that begins with " - -"
    size_t storage_heading_column;          // where "Storage" begins in the headings, 1 = first
    std::span<const OutputColumn> columns;
};

const OutputRowLayout& OutputRowLayoutFor(int32_t layers);

// The leaching-efficiency line of one zone in the header: the label, then the efficiency the
// final salt balance used R(8,2), then the ending with the zone's fit.
struct LeachingLine {
    const char* label;
    Zone zone;
    double InputData::*efficiency;
    double RunValues::*fit;
    double OutputFileValues::*printed;  // the efficiency as read back
    int32_t least_layers;               // a layer's line is there when the root zone has the layer
    bool left_out_at_zero;              // the line is left out when the efficiency is 0 or less
};

inline constexpr size_t LeachingLabelLength = 32;
inline constexpr int LeachingWidth = 8, LeachingDecimals = 2;
inline constexpr const char* OptimizedEnding = "  (optimized),   Coeff. of determination (%) :";
inline constexpr const char* GivenEnding = "  (given),       Coeff. of determination (%) :";
inline constexpr const char* NotApplicableEnding = "  (given),       Coeff. of determination (%) :  n.a.";
inline constexpr int FitWidth = 5;  // R(5,0) of 100 x the fit

// In the order of the file; a reader finds a line that may be left out by its label.
inline constexpr LeachingLine LeachingLines[ZoneCount] = {
    {" Leaching efficiency layer 1   :", Layer1, &InputData::LE1, &RunValues::SaltFit1, &OutputFileValues::LE1Out, 1,
     false},
    {" Leaching efficiency layer 2   :", Layer2, &InputData::LE2, &RunValues::SaltFit2, &OutputFileValues::LE2Out, 2,
     false},
    {" Leaching efficiency layer 3   :", Layer3, &InputData::LE3, &RunValues::SaltFit3, &OutputFileValues::LE3Out, 3,
     false},
    {" Leaching eff. transit. zone   :", TransitionZone, &InputData::LEt, &RunValues::SaltFitT,
     &OutputFileValues::LEtOut, 1, true},
    {" Leaching efficiency aquifer   :", Aquifer, &InputData::LEa, &RunValues::SaltFitA, &OutputFileValues::LEaOut, 1,
     true},
};

}  // namespace vantorel
