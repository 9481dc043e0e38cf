#include "engine/StudyFields.h"

#include <algorithm>

namespace vantorel {

namespace {

StudyField Series(const char* name, StepSeries InputData::*series) {
    StudyField field{name, "mm per time step", StudyFieldKind::Series};
    field.series = series;
    return field;
}

StudyField Number(const char* name, const char* unit, double InputData::*number, int32_t layers = 1,
                  StudyFieldNeeds needs = StudyFieldNeeds::Always) {
    StudyField field{name, unit, StudyFieldKind::Number, layers, needs};
    field.number = number;
    return field;
}

StudyField Flag(const char* name, bool InputData::*flag) {
    StudyField field{name, "yes/no", StudyFieldKind::YesNo};
    field.flag = flag;
    return field;
}

StudyField Geometry(const char* name, const char* unit, CalculatorField geometry) {
    StudyField field{name, unit, StudyFieldKind::Geometry, 1, StudyFieldNeeds::Drains};
    field.geometry = geometry;
    return field;
}

}  // namespace

const std::vector<StudyField>& StudyFields() {
    using D = InputData;
    static const std::vector<StudyField> fields = {
        Series("Rain", &D::Rain),
        Series("Irrig", &D::Irrig),
        Series("ETp", &D::ETp),
        Series("Sdr", &D::Sdr),
        {"Repeat", "times", StudyFieldKind::Repeat},
        Flag("DrainPresent", &D::DrainPresent),
        Number("Dd", "m", &D::Dd, 1, StudyFieldNeeds::Drains),
        Number("QH1", "m/day/m", &D::QH1, 1, StudyFieldNeeds::Drains),
        Number("QH2", "m/day/m^2", &D::QH2, 1, StudyFieldNeeds::Drains),
        Geometry("DrainSpacing", "m", CalculatorField::L),
        Geometry("DrainKa", "m/day", CalculatorField::Ka),
        Geometry("DrainKb", "m/day", CalculatorField::Kb),
        Geometry("DrainDepthBelow", "m", CalculatorField::D),
        Geometry("DrainPerimeter", "m", CalculatorField::U),
        Geometry("DrainPorosity", "%", CalculatorField::P),
        Number("Si", "dS/m", &D::Si),
        Number("Sinf", "dS/m", &D::Sinf),
        Number("Inf", "mm/day", &D::Inf),
        Number("Out", "mm/day", &D::Out),
        Number("IrrEff", "%", &D::IrrEff),
        Number("Dc", "m", &D::Dc),
        Number("DwtInit", "m", &D::DwtInit),
        Number("MoistInit", "%", &D::MoistInit),
        Flag("RicePresent", &D::RicePresent),
        Number("InfCap", "mm/day", &D::InfCap, 1, StudyFieldNeeds::Rice),
        Number("RiceTransp", "%", &D::RiceTransp, 1, StudyFieldNeeds::Rice),
        Number("S1init", "dS/m", &D::S1init),
        Number("S2init", "dS/m", &D::S2init, 2),
        Number("S3init", "dS/m", &D::S3init, 3),
        Number("STinit", "dS/m", &D::STinit),
        Number("SAinit", "dS/m", &D::SAinit),
        Number("D1", "m", &D::D1),
        Number("D2", "m", &D::D2, 2),
        Number("D3", "m", &D::D3, 3),
        Number("Dt", "m", &D::Dt),
        Number("Da", "m", &D::Da),
        Number("TP1", "%", &D::TP1),
        Number("TP2", "%", &D::TP2, 2),
        Number("TP3", "%", &D::TP3, 3),
        Number("TPt", "%", &D::TPt),
        Number("TPa", "%", &D::TPa),
        Number("EffPor1", "%", &D::EffPor1),
        Number("EffPor2", "%", &D::EffPor2, 2),
        Number("EffPor3", "%", &D::EffPor3, 3),
        Number("EffPort", "%", &D::EffPort),
        Number("EffPora", "%", &D::EffPora),
        Number("LE1", "%", &D::LE1),
        Number("LE2", "%", &D::LE2, 2),
        Number("LE3", "%", &D::LE3, 3),
        Number("LEt", "%", &D::LEt),
        Number("LEa", "%", &D::LEa),
    };
    return fields;
}

const StudyField* FindStudyField(std::string_view name) {
    const std::vector<StudyField>& fields = StudyFields();
    const auto found = std::find_if(fields.begin(), fields.end(), [&](const StudyField& f) { return f.name == name; });
    return found == fields.end() ? nullptr : &*found;
}

bool IsFixedField(std::string_view name) {
    static constexpr std::string_view fixed[] = {"NrTimeSteps", "Ts", "NrLayers", "Title1", "Title2",
                                                 "DwtMeas", "DrainMeas", "S1meas", "S2meas", "S3meas",
                                                 "STmeas", "SAmeas", "SdrGiven"};
    return std::find(std::begin(fixed), std::end(fixed), name) != std::end(fixed);
}

}  // namespace vantorel
