#pragma once
// A line graph for long series, drawn in the time a pan or a zoom allows.

#include <qcustomplot.h>

namespace vantorel {

// QCustomPlot reduces a series to what the pixels can show, the least and the greatest value of
// every pixel column (adaptive sampling, on here); this graph draws the reduced line as one batch
// of segments. Drawn segment by segment, or as one polyline with its joins, the zigzag of a long
// series under a pen wider than a pixel takes seconds.
class SegmentGraph : public QCPGraph {
public:
    SegmentGraph(QCPAxis* key_axis, QCPAxis* value_axis);

protected:
    void drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const override;
};

}  // namespace vantorel
