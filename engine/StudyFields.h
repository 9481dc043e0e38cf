#pragma once
// The fields of a data set that a scenario study may change, by their model names, and the
// study's special columns.

#include <string_view>
#include <vector>

#include "engine/HooghoudtFactors.h"
#include "model/InputData.h"

namespace vantorel {

enum class StudyFieldKind {
    Series,    // every step of a series; a cell sets, multiplies or adds
    Number,    // one value; a cell sets, multiplies or adds
    YesNo,     // a flag; a cell is yes or no
    Repeat,    // the number of times the time series are repeated
    Geometry,  // one value of the drain geometry that gives QH1 and QH2
};

// When a field is part of the data set besides its layer count.
enum class StudyFieldNeeds { Always, Drains, Rice };

struct StudyField {
    const char* name;
    const char* unit;
    StudyFieldKind kind;
    int32_t layers = 1;  // the smallest root-zone layer count that has the field
    StudyFieldNeeds needs = StudyFieldNeeds::Always;
    double InputData::*number = nullptr;
    StepSeries InputData::*series = nullptr;
    bool InputData::*flag = nullptr;
    CalculatorField geometry = CalculatorField::L;
};

// Every changeable field and special column, in the order a list shows them.
const std::vector<StudyField>& StudyFields();

// The field of that name, or nullptr.
const StudyField* FindStudyField(std::string_view name);

// Whether the name is a field of the data set that a study must leave alone: the counts, the
// measured series and the titles.
bool IsFixedField(std::string_view name);

}  // namespace vantorel
