#include "model/RunValues.h"

namespace vantorel {

void DayTable::Allocate(int32_t steps, int32_t days) {
    row_length_ = days + 1;
    values_.assign((static_cast<size_t>(steps) + 1) * static_cast<size_t>(row_length_), 0.0);
}

}  // namespace vantorel
