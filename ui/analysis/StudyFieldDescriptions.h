#pragma once
// What each field a scenario study may change is, in the words of the input editors.

#include <QString>

#include <string_view>

namespace vantorel {

// The description of a study field by its name; empty for a name that is no field.
QString StudyFieldDescription(std::string_view name);

}  // namespace vantorel
