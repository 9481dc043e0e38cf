#include "ui/analysis/StaleInput.h"

#include <QInputEvent>

namespace vantorel {

namespace {

// A time stamp further off than this is a clock that was reset or wrapped, not a wait.
constexpr qint64 ClockJumpMs = 60'000;

}  // namespace

StaleInputFilter::StaleInputFilter(QObject& plot) : QObject(&plot) {
    clock_.start();
    plot.installEventFilter(this);
}

bool StaleInputFilter::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel && event->type() != QEvent::MouseMove) return false;
    const auto stamp = static_cast<qint64>(static_cast<QInputEvent*>(event)->timestamp());
    // Events the program makes itself carry no time stamp.
    if (stamp == 0) return false;
    const qint64 offset = clock_.elapsed() - stamp;
    if (!prompt_offset_ || offset < *prompt_offset_ || offset - *prompt_offset_ > ClockJumpMs) {
        prompt_offset_ = offset;
    }
    return offset - *prompt_offset_ > MostWaitMs;
}

}  // namespace vantorel
