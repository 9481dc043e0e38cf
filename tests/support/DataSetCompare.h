#pragma once

#include "model/InputData.h"

namespace vantorel::test {

// Expects every field that an input file holds for this layer count and these options to agree.
void ExpectSameFileContents(const InputData& expected, const InputData& actual);

}  // namespace vantorel::test
