#include "model/OutputFileLayout.h"

namespace vantorel {

namespace {

constexpr const char* Headings1[] = {
    "           Percol.  Cap. rise  Act. Evap  Drainage                    Salinity (dS/m)",
    " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - -           Surface   Water",
    "                      (mm/time step)               (m)        Rootzone  Trans.zone  Aquifer  Storage   dr.     logging",
    " - - - - - - - - - - - - - - -- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -",
};
constexpr const char* Headings2[] = {
    "           Percol.  Cap. rise  Act. Evap  Drainage                    Salinity (dS/m)",
    " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - - - - - - - - -          Surf.     Water",
    "                      (mm/time step)               (m)        Rootzone ",
    "                                                            - - - - - - -  Transit.  Aquifer  Storage   dr.     loggging",
    "                                                            Layer1  Layer2   zone",
    " - - - - - - - - - - - - - - -- - - - - - - - - -  - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -",
};
constexpr const char* Headings3[] = {
    "           Percol.  Cap. rise  Act. Evap  Drainage                         Salinity (dS/m)",
    " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - - - - - - - -  - -           Surface   Water",
    "                      (mm/time step)               (m)              Rootzone ",
    "                                                            - - - - - - - - - - - - Transit.  Aquifer    Storage   dr.     loggging",
    "                                                            Layer1  Layer2  Layer3   zone",
    " - - - - - - - - - - - - - - -- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -- - - - -",
};

// The last three columns of every layer count; an older file has no storage column, and its
// surface drainage and ponding then take the first two fields.
constexpr OutputColumn Stor{&StorageChange, 9, 1, 10, OutputRead::Storage};
constexpr OutputColumn Sdr{&SurfaceDrainage, 9, 2, 10, OutputRead::SurfaceDrainage};
constexpr OutputColumn Pond{&PondedWater, 9, 1, 10, OutputRead::Ponding};

constexpr const OutputQuantity* Salinity1 = &ZoneSalinities[Layer1];
constexpr const OutputQuantity* Salinity2 = &ZoneSalinities[Layer2];
constexpr const OutputQuantity* Salinity3 = &ZoneSalinities[Layer3];
constexpr const OutputQuantity* SalinityT = &ZoneSalinities[TransitionZone];
constexpr const OutputQuantity* SalinityA = &ZoneSalinities[Aquifer];

constexpr OutputColumn Columns1[] = {
    {&Percolation, 9, 1, 10},    {&CapillaryRise, 9, 1, 10},       {&ActualEvapotranspiration, 9, 1, 9},
    {&DrainDischarge, 10, 1, 9}, {&WaterTableDepth, 10, 2, 10},    {&RootZoneSalinity, 10, 2, 10},
    {SalinityT, 13, 2, 12},      {SalinityA, 9, 2, 10},            Stor, Sdr, Pond,
};
constexpr OutputColumn Columns2[] = {
    {&Percolation, 9, 1, 10},    {&CapillaryRise, 11, 1, 10},      {&ActualEvapotranspiration, 9, 1, 10},
    {&DrainDischarge, 10, 1, 9}, {&WaterTableDepth, 8, 2, 9},      {Salinity1, 9, 2, 8},
    {Salinity2, 8, 2, 8},        {SalinityT, 8, 2, 9},             {SalinityA, 10, 2, 10},
    Stor, Sdr, Pond,
};
constexpr OutputColumn Columns3[] = {
    {&Percolation, 9, 1, 10},    {&CapillaryRise, 11, 1, 10},      {&ActualEvapotranspiration, 9, 1, 10},
    {&DrainDischarge, 10, 1, 9}, {&WaterTableDepth, 8, 2, 8},      {Salinity1, 9, 2, 8},
    {Salinity2, 9, 2, 9},        {Salinity3, 8, 2, 9},             {SalinityT, 9, 2, 9},
    {SalinityA, 10, 2, 10},      Stor, Sdr, Pond,
};

const OutputRowLayout Layouts[] = {
    {Headings1, 94, Columns1},
    {Headings2, 95, Columns2},
    {Headings3, 106, Columns3},
};

}  // namespace

const StepSeries& SeriesOf(const ModelState& state, const OutputQuantity& quantity) {
    return quantity.run ? state.Run.*quantity.run : state.Input.*quantity.input;
}

StepSeries& SeriesOf(ModelState& state, const OutputQuantity& quantity) {
    return quantity.run ? state.Run.*quantity.run : state.Input.*quantity.input;
}

const OutputRowLayout& OutputRowLayoutFor(int32_t layers) {
    if (layers == 3) return Layouts[2];
    if (layers == 2) return Layouts[1];
    return Layouts[0];
}

}  // namespace vantorel
