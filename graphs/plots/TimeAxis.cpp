#include "graphs/plots/TimeAxis.h"

#include <qcustomplot.h>

#include <limits>

namespace vantorel {

double StepPosition(const StepCalendar& calendar, int64_t step) {
    if (!calendar.start) return static_cast<double>(step);
    const std::optional<CalendarDay> first = StepFirstDay(*calendar.start, calendar.ts, step);
    if (!first) return std::numeric_limits<double>::quiet_NaN();
    // Seconds since 1970, as the date ticker counts them.
    return static_cast<double>(first->time_since_epoch().count()) * 86400.0;
}

void SetTimeAxis(QCPAxis& axis, const StepCalendar& calendar) {
    if (!calendar.start) {
        axis.setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        axis.setLabel("Time step");
        return;
    }
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>(new QCPAxisTickerDateTime);
    ticker->setDateTimeSpec(Qt::UTC);
    // Numbers only, so that no month name depends on the language of the desktop.
    ticker->setDateTimeFormat(calendar.ts >= 360 ? "yyyy" : calendar.ts >= 30 ? "yyyy-MM" : "yyyy-MM-dd");
    axis.setTicker(ticker);
    axis.setLabel("Date (first day of the time step)");
}

}  // namespace vantorel
