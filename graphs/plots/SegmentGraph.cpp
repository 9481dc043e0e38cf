#include "graphs/plots/SegmentGraph.h"

#include <cmath>

namespace vantorel {

namespace {

bool Drawable(const QPointF& point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

}  // namespace

SegmentGraph::SegmentGraph(QCPAxis* key_axis, QCPAxis* value_axis) : QCPGraph(key_axis, value_axis) {
    setAdaptiveSampling(true);
}

void SegmentGraph::drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const {
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0) return;
    applyDefaultAntialiasingHint(painter);
    QVector<QLineF> segments;
    segments.reserve(lines.size());
    // A point that is not a number leaves a gap.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (Drawable(lines[i - 1]) && Drawable(lines[i])) segments.append(QLineF(lines[i - 1], lines[i]));
    }
    painter->drawLines(segments);
}

}  // namespace vantorel
