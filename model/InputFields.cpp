#include "model/InputFields.h"

#include <algorithm>
#include <cmath>

#include "model/NumberText.h"

namespace vantorel {

namespace {

constexpr NumberField Numbers[] = {
    {"D1", &InputData::D1, "Thickness of layer 1 (with one layer: of the whole root zone), m."},
    {"D2", &InputData::D2, "Thickness of layer 2, m (two or three layers)."},
    {"D3", &InputData::D3, "Thickness of layer 3, m (three layers)."},
    {"Dt", &InputData::Dt, "Thickness of the transition zone, m."},
    {"Da", &InputData::Da, "Thickness of the aquifer, m."},
    {"TP1", &InputData::TP1, "Total porosity of layer 1 (or of the root zone), per cent."},
    {"TP2", &InputData::TP2, "Total porosity of layer 2, per cent."},
    {"TP3", &InputData::TP3, "Total porosity of layer 3, per cent."},
    {"TPt", &InputData::TPt, "Total porosity of the transition zone, per cent."},
    {"TPa", &InputData::TPa, "Total porosity of the aquifer, per cent."},
    {"EffPor1", &InputData::EffPor1, "Effective (drainable) porosity of layer 1 (or of the root zone), per cent."},
    {"EffPor2", &InputData::EffPor2, "Effective porosity of layer 2, per cent."},
    {"EffPor3", &InputData::EffPor3, "Effective porosity of layer 3, per cent."},
    {"EffPort", &InputData::EffPort, "Effective porosity of the transition zone, per cent."},
    {"EffPora", &InputData::EffPora, "Effective porosity of the aquifer, per cent."},
    {"LE1", &InputData::LE1, "Leaching efficiency of layer 1 (or of the root zone), per cent."},
    {"LE2", &InputData::LE2, "Leaching efficiency of layer 2, per cent."},
    {"LE3", &InputData::LE3, "Leaching efficiency of layer 3, per cent."},
    {"LEt", &InputData::LEt, "Leaching efficiency of the transition zone, per cent."},
    {"LEa", &InputData::LEa, "Leaching efficiency of the aquifer, per cent."},
    {"Dd", &InputData::Dd, "Depth of the drains below the soil surface, m (with a drainage system)."},
    {"QH1", &InputData::QH1, "Drainage reaction factor of the head, m/day per m (with a drainage system)."},
    {"QH2", &InputData::QH2, "Drainage reaction factor of the squared head, m/day per m^2 (with a drainage system)."},
    {"Si", &InputData::Si, "Salinity of the irrigation water, dS/m."},
    {"S1init", &InputData::S1init, "Initial salinity of layer 1 (or of the root zone), dS/m; -1 when not given."},
    {"S2init", &InputData::S2init, "Initial salinity of layer 2, dS/m; -1 when not given."},
    {"S3init", &InputData::S3init, "Initial salinity of layer 3, dS/m; -1 when not given."},
    {"STinit", &InputData::STinit, "Initial salinity of the transition zone, dS/m; -1 when not given."},
    {"SAinit", &InputData::SAinit, "Initial salinity of the aquifer, dS/m; -1 when not given."},
    {"DwtInit", &InputData::DwtInit, "Initial depth of the water table below the soil surface, m."},
    {"Dc", &InputData::Dc, "Critical depth of the water table for capillary rise, m."},
    {"MoistInit", &InputData::MoistInit, "Initial soil moisture content of the root zone, per cent."},
    {"IrrEff", &InputData::IrrEff, "Irrigation (storage) efficiency, per cent, 30 to 100."},
    {"Inf", &InputData::Inf, "Horizontal inflow of groundwater into the aquifer, mm/day."},
    {"Out", &InputData::Out, "Horizontal outflow of groundwater from the aquifer, mm/day."},
    {"Sinf", &InputData::Sinf, "Salinity of the groundwater inflow, dS/m."},
    {"InfCap", &InputData::InfCap, "Infiltration capacity of the soil surface, mm/day (with rice)."},
    {"RiceTransp", &InputData::RiceTransp,
     "Transpiration of waterlogged rice, per cent of the potential evapotranspiration (with rice)."},
};

constexpr SeriesField Series[] = {
    {"Rain", &InputData::Rain, "Rainfall per step, mm."},
    {"Irrig", &InputData::Irrig, "Irrigation per step, mm."},
    {"ETp", &InputData::ETp, "Potential evapotranspiration per step, mm."},
    {"Sdr", &InputData::Sdr, "Surface drainage per step as given, mm."},
    {"DwtMeas", &InputData::DwtMeas, "Measured water-table depth, m below the surface; -1000 = not measured."},
    {"DrainMeas", &InputData::DrainMeas, "Measured drain discharge per step, mm, 0 or more; -1000 = not measured."},
    {"S1meas", &InputData::S1meas, "Measured salinity of layer 1 (or of the root zone), dS/m; -1 = not measured."},
    {"S2meas", &InputData::S2meas, "Measured salinity of layer 2, dS/m; -1 = not measured."},
    {"S3meas", &InputData::S3meas, "Measured salinity of layer 3, dS/m; -1 = not measured."},
    {"STmeas", &InputData::STmeas, "Measured salinity of the transition zone, dS/m; -1 = not measured."},
    {"SAmeas", &InputData::SAmeas, "Measured salinity of the aquifer, dS/m; -1 = not measured."},
};

template <class Field, class Member>
const char* NameOf(std::span<const Field> fields, Member member) {
    const auto found = std::find_if(fields.begin(), fields.end(), [&](const Field& f) { return f.member == member; });
    return found == fields.end() ? "?" : found->name;
}

}  // namespace

std::span<const NumberField> NumberFields() { return Numbers; }
std::span<const SeriesField> SeriesFields() { return Series; }

const char* FieldName(double InputData::*member) { return NameOf(NumberFields(), member); }
const char* FieldName(StepSeries InputData::*member) { return NameOf(SeriesFields(), member); }

std::string BreachText(const ValueBreach& breach) {
    const std::string step = breach.step > 0 ? " at time step " + std::to_string(breach.step) : "";
    return breach.field + step + " = " + FormatGeneral(breach.value) + ": " + breach.rule;
}

std::optional<ValueBreach> NonFiniteBreach(const std::string& field, double value, int32_t step) {
    if (std::isfinite(value)) return std::nullopt;
    return ValueBreach{field, step, value, "a value must be a finite number"};
}

std::optional<ValueBreach> NonFiniteValue(const InputData& data) {
    for (const NumberField& field : Numbers) {
        if (auto breach = NonFiniteBreach(field.name, data.*field.member)) return breach;
    }
    for (const SeriesField& field : Series) {
        const StepSeries& series = data.*field.member;
        const size_t steps = std::min(series.size(), static_cast<size_t>(std::max(data.NrTimeSteps, 0)) + 1);
        for (size_t i = 1; i < steps; ++i) {
            if (auto breach = NonFiniteBreach(field.name, series[i], static_cast<int32_t>(i))) return breach;
        }
    }
    return std::nullopt;
}

}  // namespace vantorel
