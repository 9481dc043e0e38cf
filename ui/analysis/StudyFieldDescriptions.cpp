#include "ui/analysis/StudyFieldDescriptions.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vantorel {

namespace {

constexpr std::pair<std::string_view, const char*> Descriptions[] = {
    {"Rain", "rainfall"},
    {"Irrig", "irrigation"},
    {"ETp", "potential evapotranspiration"},
    {"Sdr", "surface drainage"},
    {"Repeat", "the time series repeated, measurements in the first cycle only"},
    {"DrainPresent", "subsurface drainage system present"},
    {"Dd", "drain depth"},
    {"QH1", "drainage reaction factor QH1"},
    {"QH2", "drainage reaction factor QH2"},
    {"DrainSpacing", "drain spacing, giving QH1 and QH2"},
    {"DrainKa", "hydraulic conductivity above drain level, giving QH1 and QH2"},
    {"DrainKb", "hydraulic conductivity below drain level, giving QH1 and QH2"},
    {"DrainDepthBelow", "depth of the soil layer below drain level, giving QH1 and QH2"},
    {"DrainPerimeter", "wet perimeter of the drain, giving QH1 and QH2"},
    {"DrainPorosity", "drainable porosity of the top soil, giving QH1 and QH2"},
    {"Si", "salinity of the irrigation water"},
    {"Sinf", "salinity of the groundwater inflow"},
    {"Inf", "groundwater inflow"},
    {"Out", "groundwater outflow"},
    {"IrrEff", "irrigation efficiency"},
    {"Dc", "critical depth of the water table for capillary rise"},
    {"DwtInit", "initial depth of the water table"},
    {"MoistInit", "initial soil moisture content"},
    {"RicePresent", "rice cropped under standing water"},
    {"InfCap", "infiltration capacity at the soil surface (rice)"},
    {"RiceTransp", "transpiration of waterlogged rice, per cent of the potential"},
    {"S1init", "initial salinity, 1st layer (root zone)"},
    {"S2init", "initial salinity, 2nd layer"},
    {"S3init", "initial salinity, 3rd layer"},
    {"STinit", "initial salinity, transition zone"},
    {"SAinit", "initial salinity, aquifer"},
    {"D1", "thickness, 1st layer (root zone)"},
    {"D2", "thickness, 2nd layer"},
    {"D3", "thickness, 3rd layer"},
    {"Dt", "thickness, transition zone"},
    {"Da", "thickness, aquifer"},
    {"TP1", "total porosity, 1st layer (root zone)"},
    {"TP2", "total porosity, 2nd layer"},
    {"TP3", "total porosity, 3rd layer"},
    {"TPt", "total porosity, transition zone"},
    {"TPa", "total porosity, aquifer"},
    {"EffPor1", "effective porosity, 1st layer (root zone)"},
    {"EffPor2", "effective porosity, 2nd layer"},
    {"EffPor3", "effective porosity, 3rd layer"},
    {"EffPort", "effective porosity, transition zone"},
    {"EffPora", "effective porosity, aquifer"},
    {"LE1", "leaching efficiency, 1st layer (root zone)"},
    {"LE2", "leaching efficiency, 2nd layer"},
    {"LE3", "leaching efficiency, 3rd layer"},
    {"LEt", "leaching efficiency, transition zone"},
    {"LEa", "leaching efficiency, aquifer"},
};

}  // namespace

QString StudyFieldDescription(std::string_view name) {
    const auto found = std::find_if(std::begin(Descriptions), std::end(Descriptions),
                                    [name](const auto& entry) { return entry.first == name; });
    return found == std::end(Descriptions) ? QString() : QString(found->second);
}

}  // namespace vantorel
