#include "model/InputFileLayout.h"

namespace vantorel {

namespace {

constexpr const char* LeadingBlanksOfNext = "the field takes the leading blanks of the next column";

constexpr const char* SoilHeadings1[] = {
    " Soil properties, root zone has 1 layer",
    "             Thickness (m)",
    " - - - - - - - - - - - - - - - - - - -",
    " Root zone   Transition zone   Aquifer",
};
constexpr const char* SoilHeadings2[] = {
    " Soil properties, root zone has 2 layers",
    "                   Thickness (m) ",
    " - - - - - - - - - - - - - - - - - - - - - -",
    "    Root zone   ",
    " - - - - - - - -   Transition zone   Aquifer",
    " Layer1    Layer2",
};
constexpr const char* SoilHeadings3[] = {
    " Soil properties, root zone has 3 layers",
    "                      Thickness (m)",
    " - - - - - - - - - - - - - - - - - - - - - - - - - - - ",
    "         Root zone   ",
    " - - - - - - - - - - - - - -  Transition zone   Aquifer",
    " Layer1    Layer2    Layer3",
};

constexpr ValueColumn Thicknesses1[] = {
    {&InputData::D1, 10, 2, 10},
    {&InputData::Dt, 18, 2, 18},
    {&InputData::Da, 10, 2, 10},
};
constexpr ValueColumn Thicknesses2[] = {
    {&InputData::D1, 7, 2, 10, nullptr, nullptr, LeadingBlanksOfNext},
    {&InputData::D2, 10, 2, 10, nullptr, nullptr, "shifted by the 3 characters the first field took"},
    {&InputData::Dt, 17, 2, 18, nullptr, nullptr, LeadingBlanksOfNext},
    {&InputData::Da, 10, 2, 8, nullptr, nullptr, "starts 4 characters into the column, which the fields before took"},
};
constexpr ValueColumn Thicknesses3[] = {
    {&InputData::D1, 7, 2, 10, nullptr, nullptr, LeadingBlanksOfNext},
    {&InputData::D2, 10, 2, 10, nullptr, nullptr, "shifted by the 3 characters the first field took"},
    {&InputData::D3, 10, 2, 10, nullptr, nullptr, "shifted by the 3 characters the first field took"},
    {&InputData::Dt, 17, 2, 14, nullptr, nullptr, "starts 3 characters into the column, which the field before took"},
    {&InputData::Da, 10, 2, 14, nullptr, nullptr, "the whole column and what follows"},
};

constexpr ZoneRow Layer1Zone{" 1st layer   ", {&InputData::TP1, &InputData::EffPor1, &InputData::LE1}};
constexpr ZoneRow Layer2Zone{" 2nd layer   ", {&InputData::TP2, &InputData::EffPor2, &InputData::LE2}};
constexpr ZoneRow Layer3Zone{" 3rd layer   ", {&InputData::TP3, &InputData::EffPor3, &InputData::LE3}};
constexpr ZoneRow TransitionZoneRow{" Trans. zone ", {&InputData::TPt, &InputData::EffPort, &InputData::LEt}};
constexpr ZoneRow AquiferRow{" Aquifer     ", {&InputData::TPa, &InputData::EffPora, &InputData::LEa}};
constexpr ZoneRow Zones1[] = {
    {" Root zone   ", {&InputData::TP1, &InputData::EffPor1, &InputData::LE1}}, TransitionZoneRow, AquiferRow};
constexpr ZoneRow Zones2[] = {Layer1Zone, Layer2Zone, TransitionZoneRow, AquiferRow};
constexpr ZoneRow Zones3[] = {Layer1Zone, Layer2Zone, Layer3Zone, TransitionZoneRow, AquiferRow};

constexpr const char* SalinityHeadings1[] = {
    " Measured soil moisture salinity data ECsm in dS/m, root zone has 1 layer",
    " Time step   Root zone   Transition zone   Aquifer",
};
constexpr const char* SalinityHeadings2[] = {
    " Measured soil moisture salinity data ECsm in dS/m, root zone has 2 layers",
    "              Root zone   ",
    " Time Step  - - - - - - - -   Transition zone   Aquifer",
    "            Layer1   Layer2",
    " - - - - - - - - - - - - - -",
};
constexpr const char* SalinityHeadings3[] = {
    " Measured soil moisture salinity data ECsm in dS/m, root zone has 3 layers",
    "                   Root zone   ",
    " Time Step  - - - - - - - - - - -   Transition zone   Aquifer",
    "            Layer1  Layer2  Layer3",
    " - - - - - - - - - - - - - - - - -",
};

constexpr const char* Dash8 = "       -";
constexpr const char* Dash12 = "           -";
constexpr SeriesColumn Salinities1[] = {
    {&InputData::S1meas, 12, 2, 12, "         -"},
    {&InputData::STmeas, 12, 2, 14, Dash12, nullptr, LeadingBlanksOfNext},
    {&InputData::SAmeas, 12, 2, 10, "          -", nullptr,
     "starts 2 characters into the column, which the field before took"},
};
constexpr SeriesColumn Salinities2[] = {
    {&InputData::S1meas, 8, 2, 8, Dash8},
    {&InputData::S2meas, 9, 2, 9, Dash8},
    {&InputData::STmeas, 18, 2, 18, Dash12},
    {&InputData::SAmeas, 12, 2, 12, Dash12},
};
constexpr SeriesColumn Salinities3[] = {
    {&InputData::S1meas, 8, 2, 8, Dash8},
    {&InputData::S2meas, 8, 2, 8, Dash8},
    {&InputData::S3meas, 8, 2, 8, Dash8},
    // An aquifer salinity of 1000 dS/m or more would not be read back.
    {&InputData::STmeas, 12, 2, 18, Dash12, nullptr, "takes the first 6 characters of the aquifer's column"},
    {&InputData::SAmeas, 12, 2, 10, "          -", nullptr, "the rest of the aquifer's column"},
};

const LayerLayout Layouts[] = {
    {1, " Number of layers in root zone       :     1", std::span(&RootZoneSalinityLine, 1), SoilHeadings1,
     Thicknesses1, Zones1, SalinityHeadings1, Salinities1},
    {2, " Number of layers in root zone       :     2", std::span(LayerSalinityLines, 2), SoilHeadings2,
     Thicknesses2, Zones2, SalinityHeadings2, Salinities2},
    {3, " Number of layers in root zone       :     3", std::span(LayerSalinityLines, 3), SoilHeadings3,
     Thicknesses3, Zones3, SalinityHeadings3, Salinities3},
};

}  // namespace

const LayerLayout& LayerLayoutFor(const InputData& data) {
    if (data.Is1Layer) return Layouts[0];
    if (data.Is2Layer) return Layouts[1];
    return Layouts[2];
}

}  // namespace vantorel
