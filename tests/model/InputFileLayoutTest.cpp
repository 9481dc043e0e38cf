// The exact text of input files, line by line, against the layout tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/InputFile.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

std::string Blanks(size_t count) { return std::string(count, ' '); }

InputData TwoStepField(int32_t layers) {
    InputData d;
    d.FileName = "field.inp";
    d.Title1 = "Layout check";
    d.Title2 = "two steps";
    d.NrTimeSteps = 2;
    d.Ts = 30;
    SetLayerCount(d, layers);
    ResizeLoadedSeries(d);
    d.Rain = {0, 12.5, 0};
    d.Irrig = {0, 100, 0};
    d.ETp = {0, 150.25, 160};
    d.Sdr = {0, 0, 2};
    d.DrainMeas = {0, 10.5, MissingDepthOrDischarge};
    d.DwtMeas = {0, 1.25, MissingDepthOrDischarge};
    d.S1meas = {0, 4.2, MissingSalinity};
    d.S2meas = {0, MissingSalinity, 3.75};
    d.S3meas = {0, 0, 6};
    d.STmeas = {0, MissingSalinity, 2.5};
    d.SAmeas = {0, 0, 1.125};
    d.D1 = 0.6;
    d.D2 = 0.3;
    d.D3 = 0.45;
    d.Dt = 2;
    d.Da = 10;
    d.TP1 = 45;
    d.TP2 = 44.5;
    d.TP3 = 43;
    d.TPt = 40;
    d.TPa = 35;
    d.EffPor1 = 8;
    d.EffPor2 = 7;
    d.EffPor3 = 6;
    d.EffPort = 9;
    d.EffPora = 12;
    d.LE1 = 80;
    d.LE2 = 75;
    d.LE3 = 70;
    d.LEt = 100;
    d.LEa = 0;
    d.DrainPresent = true;
    d.Dd = 1.8;
    d.QH1 = 0.012;
    d.QH2 = 0.0035;
    d.Si = 1.2;
    d.S1init = 4.5;
    d.S2init = 5;
    d.S3init = 5.5;
    d.STinit = 3;
    d.SAinit = 2.5;
    d.DwtInit = 1.5;
    d.Dc = 1.1;
    d.MoistInit = 50;
    d.IrrEff = 70;
    d.Inf = 0.2;
    d.Out = 0.1;
    d.Sinf = 2;
    return d;
}

std::vector<std::string> Written(InputData d) {
    test::TempDir dir;
    d.FileName = dir.File("field.inp");
    SaveInputFile(d);
    std::vector<std::string> lines = test::ReadCrLfLines(d.FileName);
    lines.at(1) = " Name of this file        : field.inp";
    return lines;
}

const std::vector<std::string> CommonHeader = {
    " PROGRAM Vantorel INPUT DATA",
    " Name of this file        : field.inp",
    " First title              : Layout check",
    " Second title             : two steps",
    "    General data",
    " Nunber of time steps     : 2",
    " Step length (days)       : 30",
};

const std::vector<std::string> HydrologicalRows = {
    "",
    " Hydrological data",
    " Time Step     Rainfall      Irrigation      Evaporation    Surf.Drainage   SubSurf.Drainage Depth WT",
    "             mm/time step   mm/time step     mm/time step    mm/time step   mm/time step        m",
    Blanks(9) + "1" + Blanks(8) + "12.50" + Blanks(10) + "100.00" + Blanks(9) + "150.25" + Blanks(11) + "0.00" +
        Blanks(10) + "10.50" + Blanks(10) + "1.250",
    Blanks(9) + "2" + Blanks(9) + "0.00" + Blanks(12) + "0.00" + Blanks(9) + "160.00" + Blanks(11) + "2.00" +
        Blanks(10) + "-    " + Blanks(10) + "-    ",
    "",
};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(InputFileLayoutTest, OneLayerWithDrainsWithoutRice) {
    const std::vector<std::string> expected = Joined({
        CommonHeader,
        {
            " Nr of root zone layers   : 1",
            "    Drainage data",
            " Drainage system present  : yes",
            " Depth subsurf. drains(m) :    1.80",
            " Drain. react. fact. QH1  :   0.0120",
            " Drain. react. fact. QH2  :   0.0035",
            "    Initial data soil and water",
            " Salt conc. irr. water (dS/m)       :      1.2",
            " Number of layers in root zone       :     1",
            " Init. salt conc. root zone (dS/m)   :      4.5",
            " Init. salt conc. trans. zone (dS/m) :     3.0",
            " Init. salt conc. aquifer (dS/m)     :     2.5",
            " Initial depth water table (m)       :    1.50",
            " Critical depth water table (m)      :    1.10",
            " Initial soil moisture content (%)   :   50.00",
            " Irrigation efficiency (%)           :    70.0",
            " Inflow of groundwater (mm/day)      :     0.2",
            " Outflow of groundwater (mm/day)     :     0.1",
            " Salinity groundwater inflow (dS/m)  :     2.0",
            " Is rice used under waterlogging?    :     No",
            " Infiltration capacity (mm/day)      :     n.a.",
            " Rice transpiration (% of Evapor.)   :     n.a.",
        },
        HydrologicalRows,
        {
            " Soil properties, root zone has 1 layer",
            "             Thickness (m)",
            " - - - - - - - - - - - - - - - - - - -",
            " Root zone   Transition zone   Aquifer",
            Blanks(6) + "0.60" + Blanks(14) + "2.00" + Blanks(5) + "10.00",
            "",
            " Other soil properties in %",
            "              Total porosity  Effective porosity  Leaching efficiency",
            " Root zone   " + Blanks(13) + "45" + Blanks(19) + "8" + Blanks(19) + "80",
            " Trans. zone " + Blanks(13) + "40" + Blanks(19) + "9" + Blanks(18) + "100",
            " Aquifer     " + Blanks(13) + "35" + Blanks(18) + "12" + Blanks(20) + "0",
            "",
            " Measured soil moisture salinity data ECsm in dS/m, root zone has 1 layer",
            " Time step   Root zone   Transition zone   Aquifer",
            Blanks(9) + "1" + Blanks(8) + "4.20" + Blanks(11) + "-" + Blanks(10) + "-",
            Blanks(9) + "2" + Blanks(9) + "-" + Blanks(8) + "2.50" + Blanks(8) + "1.12",
        },
    });
    EXPECT_EQ(Written(TwoStepField(1)), expected);
}

TEST(InputFileLayoutTest, TwoLayersWithoutDrainsWithRice) {
    InputData d = TwoStepField(2);
    d.DrainPresent = false;
    d.RicePresent = true;
    d.InfCap = 5;
    d.RiceTransp = 40;
    const std::vector<std::string> expected = Joined({
        CommonHeader,
        {
            " Nr of root zone layers   : 2",
            "    Drainage data",
            " Drainage system present  : no",
            " Depth subsurf. drains(m)  : n.a.",
            " Drain. react. fact. QH1  : n.a.",
            " Drain. react. fact. QH2  : n.a.",
            "    Initial data soil and water",
            " Salt conc. irr. water (dS/m)       :      1.2",
            " Number of layers in root zone       :     2",
            " Init. salt conc. 1st layer (dS/m)   :     4.5",
            " Init. salt conc. 2nd layer (dS/m)   :     5.0",
            " Init. salt conc. trans. zone (dS/m) :     3.0",
            " Init. salt conc. aquifer (dS/m)     :     2.5",
            " Initial depth water table (m)       :    1.50",
            " Critical depth water table (m)      :    1.10",
            " Initial soil moisture content (%)   :   50.00",
            " Irrigation efficiency (%)           :    70.0",
            " Inflow of groundwater (mm/day)      :     0.2",
            " Outflow of groundwater (mm/day)     :     0.1",
            " Salinity groundwater inflow (dS/m)  :     2.0",
            " Is rice used under waterlogging?    :     Yes",
            " Infiltration capacity (mm/day)      :     5.0",
            " Rice transpiration (% of Evapor.)   :    40.0",
        },
        HydrologicalRows,
        {
            " Soil properties, root zone has 2 layers",
            "                   Thickness (m) ",
            " - - - - - - - - - - - - - - - - - - - - - -",
            "    Root zone   ",
            " - - - - - - - -   Transition zone   Aquifer",
            " Layer1    Layer2",
            Blanks(3) + "0.60" + Blanks(6) + "0.30" + Blanks(13) + "2.00" + Blanks(5) + "10.00",
            "",
            " Other soil properties in %",
            "              Total porosity  Effective porosity  Leaching efficiency",
            " 1st layer   " + Blanks(13) + "45" + Blanks(19) + "8" + Blanks(19) + "80",
            // 44.5 per cent is stored as a whole per cent, the half going to the even neighbour.
            " 2nd layer   " + Blanks(13) + "44" + Blanks(19) + "7" + Blanks(19) + "75",
            " Trans. zone " + Blanks(13) + "40" + Blanks(19) + "9" + Blanks(18) + "100",
            " Aquifer     " + Blanks(13) + "35" + Blanks(18) + "12" + Blanks(20) + "0",
            "",
            " Measured soil moisture salinity data ECsm in dS/m, root zone has 2 layers",
            "              Root zone   ",
            " Time Step  - - - - - - - -   Transition zone   Aquifer",
            "            Layer1   Layer2",
            " - - - - - - - - - - - - - -",
            Blanks(9) + "1" + Blanks(4) + "4.20" + Blanks(7) + "-" + Blanks(11) + "-" + Blanks(11) + "-",
            Blanks(9) + "2" + Blanks(7) + "-" + Blanks(5) + "3.75" + Blanks(14) + "2.50" + Blanks(8) + "1.12",
        },
    });
    EXPECT_EQ(Written(d), expected);
}

TEST(InputFileLayoutTest, ThreeLayerSections) {
    const std::vector<std::string> lines = Written(TwoStepField(3));
    const std::vector<std::string> initial(lines.begin() + 15, lines.begin() + 20);
    EXPECT_EQ(initial, (std::vector<std::string>{
                           " Number of layers in root zone       :     3",
                           " Init. salt conc. 1st layer (dS/m)   :     4.5",
                           " Init. salt conc. 2nd layer (dS/m)   :     5.0",
                           " Init. salt conc. 3rd layer (dS/m)   :     5.5",
                           " Init. salt conc. trans. zone (dS/m) :     3.0",
                       }));
    const std::vector<std::string> expected_tail = {
                        "",
                        " Soil properties, root zone has 3 layers",
                        "                      Thickness (m)",
                        " - - - - - - - - - - - - - - - - - - - - - - - - - - - ",
                        "         Root zone   ",
                        " - - - - - - - - - - - - - -  Transition zone   Aquifer",
                        " Layer1    Layer2    Layer3",
                        Blanks(3) + "0.60" + Blanks(6) + "0.30" + Blanks(6) + "0.45" + Blanks(13) + "2.00" +
                            Blanks(5) + "10.00",
                        "",
                        " Other soil properties in %",
                        "              Total porosity  Effective porosity  Leaching efficiency",
                        " 1st layer   " + Blanks(13) + "45" + Blanks(19) + "8" + Blanks(19) + "80",
                        " 2nd layer   " + Blanks(13) + "44" + Blanks(19) + "7" + Blanks(19) + "75",
                        " 3rd layer   " + Blanks(13) + "43" + Blanks(19) + "6" + Blanks(19) + "70",
                        " Trans. zone " + Blanks(13) + "40" + Blanks(19) + "9" + Blanks(18) + "100",
                        " Aquifer     " + Blanks(13) + "35" + Blanks(18) + "12" + Blanks(20) + "0",
                        "",
                        " Measured soil moisture salinity data ECsm in dS/m, root zone has 3 layers",
                        "                   Root zone   ",
                        " Time Step  - - - - - - - - - - -   Transition zone   Aquifer",
                        "            Layer1  Layer2  Layer3",
                        " - - - - - - - - - - - - - - - - -",
                        Blanks(9) + "1" + Blanks(4) + "4.20" + Blanks(7) + "-" + Blanks(7) + "-" + Blanks(11) +
                            "-" + Blanks(10) + "-",
                        Blanks(9) + "2" + Blanks(7) + "-" + Blanks(4) + "3.75" + Blanks(4) + "6.00" + Blanks(8) +
                            "2.50" + Blanks(8) + "1.12",
    };
    ASSERT_GT(lines.size(), expected_tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(expected_tail.size()), lines.end()),
              expected_tail);
}

TEST(InputFileLayoutTest, SaveRestoresAZeroStepCountFromTheSavedOne) {
    InputData d = TwoStepField(1);
    d.NrTimeSteps = 0;
    d.NrTimeStepsSaved = 2;
    EXPECT_EQ(Written(d).at(5), " Nunber of time steps     : 2");
}

}  // namespace
}  // namespace vantorel
