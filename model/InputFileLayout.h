#pragma once
// The input file (".inp") described once: every labelled line and every column of its tables,
// with how the writer formats it and which characters the reader takes back. The writer and the
// reader of model/InputFile.cpp and the result tables work from these rows.

#include <cstdint>
#include <span>

#include "model/InputData.h"

namespace vantorel {

// A line of a label and one number: the label, then R(width, decimals). The reader skips
// read_skip characters and converts the next read_span (0: up to the next blank). Where there is
// no value to write (no drains, no rice) the line is the absent text instead.
struct ValueLine {
    const char* label;
    double InputData::*field;
    int width, decimals;
    size_t read_skip, read_span;
    const char* absent = nullptr;
    const char* why = nullptr;  // why the reader's characters are not the label's and the value's
};

// One column of a table: written R(width, decimals) (F for the salinities) or, for a value not
// measured, as the placeholder; read as the next read_span characters.
template <class Value>
struct InputColumn {
    Value InputData::*field;
    int width, decimals;
    size_t read_span;
    const char* placeholder = nullptr;  // none: the value is always there
    const char* title = nullptr;        // in table exports
    const char* why = nullptr;          // why read_span is not width
};
using SeriesColumn = InputColumn<StepSeries>;
using ValueColumn = InputColumn<double>;

// ---------------------------------------------------------------------------------------------
// General and drainage data: 28-character labels.

inline constexpr size_t GeneralLabelLength = 28;
inline constexpr const char* FirstLine = " PROGRAM Vantorel INPUT DATA";
inline constexpr const char* FileNameLabel = " Name of this file        : ";
inline constexpr const char* Title1Label = " First title              : ";
inline constexpr const char* Title2Label = " Second title             : ";
inline constexpr const char* GeneralHeading = "    General data";
inline constexpr const char* StepCountLabel = " Nunber of time steps     : ";  // I
inline constexpr const char* StepLengthLabel = " Step length (days)       : ";  // I
inline constexpr const char* LayerCountLabel = " Nr of root zone layers   : ";  // I
inline constexpr const char* DrainageHeading = "    Drainage data";
inline constexpr const char* DrainsPresentLine = " Drainage system present  : yes";
inline constexpr const char* NoDrainsLine = " Drainage system present  : no";
inline constexpr size_t DrainsPresentSpan = 4;  // "yes" and the line's end

inline constexpr ValueLine DrainageLines[] = {
    {" Depth subsurf. drains(m) : ", &InputData::Dd, 7, 2, 28, 10, " Depth subsurf. drains(m)  : n.a."},
    {" Drain. react. fact. QH1  : ", &InputData::QH1, 8, 4, 28, 10, " Drain. react. fact. QH1  : n.a."},
    {" Drain. react. fact. QH2  : ", &InputData::QH2, 8, 4, 28, 10, " Drain. react. fact. QH2  : n.a."},
};

// ---------------------------------------------------------------------------------------------
// Initial data and boundary conditions: the reader skips 38 characters of every line.

inline constexpr const char* InitialHeading = "    Initial data soil and water";
// An older file's heading is only its first 16 characters; such a file has neither the salinity
// lines of layers 2 and 3 nor the moisture line.
inline constexpr const char* OlderInitialHeading = "    Initial data";
inline constexpr size_t InitialHeadingProbe = 20;
inline constexpr size_t InitialLabelLength = 38;

inline constexpr const char* LongerLabel =
    "the label is 39 characters long; its last blank is read with the value";

inline constexpr ValueLine IrrigationSalinityLine{" Salt conc. irr. water (dS/m)       : ", &InputData::Si, 8, 1, 38,
                                                  10};
inline constexpr ValueLine RootZoneSalinityLine{" Init. salt conc. root zone (dS/m)   : ", &InputData::S1init, 8, 1, 38,
                                                10, nullptr, LongerLabel};
inline constexpr ValueLine LayerSalinityLines[] = {
    {" Init. salt conc. 1st layer (dS/m)   :", &InputData::S1init, 8, 1, 38, 10},
    {" Init. salt conc. 2nd layer (dS/m)   :", &InputData::S2init, 8, 1, 38, 10},
    {" Init. salt conc. 3rd layer (dS/m)   :", &InputData::S3init, 8, 1, 38, 10},
};
inline constexpr ValueLine LowerZoneAndDepthLines[] = {
    {" Init. salt conc. trans. zone (dS/m) : ", &InputData::STinit, 7, 1, 38, 10, nullptr, LongerLabel},
    {" Init. salt conc. aquifer (dS/m)     : ", &InputData::SAinit, 7, 1, 38, 10, nullptr, LongerLabel},
    {" Initial depth water table (m)       : ", &InputData::DwtInit, 7, 2, 38, 10, nullptr, LongerLabel},
    {" Critical depth water table (m)      : ", &InputData::Dc, 7, 2, 38, 10, nullptr, LongerLabel},
};
// The moisture line came later; the reader tells it by its first characters and gives a file
// without it a moisture content of 50 per cent.
inline constexpr ValueLine MoistureLine{" Initial soil moisture content (%)   : ", &InputData::MoistInit, 7, 2, 38, 10,
                                        nullptr, LongerLabel};
inline constexpr size_t MoistureProbe = 18;
inline constexpr double OlderFileMoisture = 50;
inline constexpr ValueLine IrrigationEfficiencyLine{" Irrigation efficiency (%)           : ", &InputData::IrrEff, 7,
                                                    1, 38, 10, nullptr, LongerLabel};
inline constexpr ValueLine GroundwaterLines[] = {
    {" Inflow of groundwater (mm/day)      : ", &InputData::Inf, 7, 1, 38, 10, nullptr, LongerLabel},
    {" Outflow of groundwater (mm/day)     : ", &InputData::Out, 7, 1, 38, 10, nullptr, LongerLabel},
    {" Salinity groundwater inflow (dS/m)  : ", &InputData::Sinf, 7, 1, 38, 10, nullptr, LongerLabel},
};

// The rice line came with the ponding model; a file without it describes a field without rice.
inline constexpr const char* RiceLine = " Is rice used under waterlogging?    :     Yes";
inline constexpr const char* NoRiceLine = " Is rice used under waterlogging?    :     No";
inline constexpr const char* RiceLineProbe = " Is ";
inline constexpr size_t RiceAnswerSkip = 34;
inline constexpr const char* RiceAnswerNo = "     No";
inline constexpr size_t RiceAnswerSpan = 8;
inline constexpr ValueLine RiceLines[] = {
    {" Infiltration capacity (mm/day)      : ", &InputData::InfCap, 7, 1, 38, 0,
     " Infiltration capacity (mm/day)      :     n.a.", LongerLabel},
    {" Rice transpiration (% of Evapor.)   : ", &InputData::RiceTransp, 7, 1, 38, 0,
     " Rice transpiration (% of Evapor.)   :     n.a.", LongerLabel},
};

// ---------------------------------------------------------------------------------------------
// Hydrological data: one row per time step, the step number I(10) first.

inline constexpr const char* HydrologicalHeadings[] = {
    " Hydrological data",
    " Time Step     Rainfall      Irrigation      Evaporation    Surf.Drainage   SubSurf.Drainage Depth WT",
    "             mm/time step   mm/time step     mm/time step    mm/time step   mm/time step        m",
};
// The reader scans for the line that begins with this, then skips the units line.
inline constexpr const char* HydrologicalHeadingProbe = " Time St";
inline constexpr int StepNumberWidth = 10;
inline constexpr size_t StepNumberSpan = 10;

inline constexpr const char* FifteenWide =
    "the reader takes 15 characters of every column, so each field is shifted against the written one "
    "by the difference; the digits stay inside it while values keep their leading blanks";

inline constexpr SeriesColumn RainfallColumn{&InputData::Rain, 13, 2, 15, nullptr, "Rainfall (mm/time step)",
                                             FifteenWide};
inline constexpr SeriesColumn IrrigationColumn{&InputData::Irrig, 16, 2, 15, nullptr, "Irrigation (mm/time step)",
                                               FifteenWide};
inline constexpr SeriesColumn EvapotranspirationColumn{&InputData::ETp, 15, 2, 15, nullptr,
                                                       "Potential evapotranspiration (mm/time step)"};
// Read into both Sdr and SdrGiven.
inline constexpr SeriesColumn SurfaceDrainageColumn{&InputData::Sdr, 15, 2, 15, nullptr,
                                                    "Surface drainage, given (mm/time step)"};
// Missing: −1000 or less. An older file's rows end before the depth.
inline constexpr const char* MissingPlaceholder = "          -    ";
inline constexpr SeriesColumn MeasuredDischargeColumn{&InputData::DrainMeas, 15, 2, 15, MissingPlaceholder};
inline constexpr SeriesColumn MeasuredDepthColumn{&InputData::DwtMeas, 15, 3, 15, MissingPlaceholder};
inline constexpr SeriesColumn HydrologicalColumns[] = {
    RainfallColumn,        IrrigationColumn,        EvapotranspirationColumn,
    SurfaceDrainageColumn, MeasuredDischargeColumn, MeasuredDepthColumn,
};

// ---------------------------------------------------------------------------------------------
// Soil properties and measured salinities, which differ by the number of root-zone layers.

// A zone's line of porosities and efficiency, whole per cent.
struct ZoneRow {
    const char* label;
    double InputData::*values[3];  // total porosity, effective porosity, leaching efficiency
};
// Written R(width, 0) after the 13-character label; the reader takes every field of the line, the
// label first, as 18 characters, so each field holds the tail of its column and the leading
// blanks of the next.
struct ZoneColumn {
    int width;
    size_t read_span;
};
inline constexpr size_t ZoneLabelSpan = 18;
inline constexpr ZoneColumn ZoneColumns[3] = {{15, 18}, {20, 18}, {21, 18}};
inline constexpr const char* ZoneTableHeadings[] = {
    " Other soil properties in %",
    "              Total porosity  Effective porosity  Leaching efficiency",
};

// A measured salinity of −1 or 0 is written as the column's placeholder.
struct LayerLayout {
    int32_t layers;
    const char* layer_count_line;
    std::span<const ValueLine> initial_salinities;
    std::span<const char* const> soil_headings;
    std::span<const ValueColumn> thicknesses;
    std::span<const ZoneRow> zones;
    std::span<const char* const> salinity_headings;
    std::span<const SeriesColumn> salinities;
};

// The layout of the layer count the flags give.
const LayerLayout& LayerLayoutFor(const InputData& data);

}  // namespace vantorel
