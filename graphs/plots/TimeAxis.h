#pragma once
// The time axis of plots against the time steps: step numbers, or, where the data set has a start
// date, the first day of each step with dates as tick labels.

#include <optional>

#include "model/CalendarDate.h"

class QCPAxis;

namespace vantorel {

struct StepCalendar {
    std::optional<CalendarDay> start;  // none: the axis shows step numbers
    int32_t ts = 0;
};

// Where step `step` (from 1) stands on the axis; NaN for a step whose first day has no date.
double StepPosition(const StepCalendar& calendar, int64_t step);

// The axis's ticks and label for the calendar.
void SetTimeAxis(QCPAxis& axis, const StepCalendar& calendar);

}  // namespace vantorel
