#pragma once
// Interactive plots follow the hand, not the queue: a wheel turn or a drag that waited behind a
// slow repaint is dropped instead of being replayed after it.

#include <QElapsedTimer>
#include <QObject>

#include <optional>

namespace vantorel {

class StaleInputFilter : public QObject {
public:
    // Input that waited longer than this is dropped.
    static constexpr qint64 MostWaitMs = 200;

    // Filters the wheel and pointer moves of `plot`, which owns the filter.
    explicit StaleInputFilter(QObject& plot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock_;
    // The least difference seen between the clock and an event's time stamp: an event handled as
    // soon as it came. The two clocks start at different times, so only differences compare.
    std::optional<qint64> prompt_offset_;
};

}  // namespace vantorel
