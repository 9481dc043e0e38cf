#pragma once
// The fields of a data set under the model's names, with what each holds, and how a value that
// the program refuses is named in its message: the Python module's attributes, the study's
// columns, the runner's warnings and the save's refusals all use these names.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/InputData.h"

namespace vantorel {

struct NumberField {
    const char* name;
    double InputData::*member;
    const char* doc;
};

struct SeriesField {
    const char* name;
    StepSeries InputData::*member;
    const char* doc;
};

std::span<const NumberField> NumberFields();
std::span<const SeriesField> SeriesFields();

// The model's name of a field; "?" for a member that is not one of the fields above.
const char* FieldName(double InputData::*member);
const char* FieldName(StepSeries InputData::*member);

// A value that breaks a rule: the field, the time step for a series (0 for a single value), the
// value and the rule in words.
struct ValueBreach {
    std::string field;
    int32_t step = 0;
    double value = 0;
    std::string rule;
};

// "FIELD = VALUE: RULE", or "FIELD at time step N = VALUE: RULE" for a series.
std::string BreachText(const ValueBreach& breach);

// The breach of a value that is not a finite number, or nothing.
std::optional<ValueBreach> NonFiniteBreach(const std::string& field, double value, int32_t step = 0);

// The first value of the data set that is not a finite number, single values first; every field
// is looked at, used or not.
std::optional<ValueBreach> NonFiniteValue(const InputData& data);

}  // namespace vantorel
