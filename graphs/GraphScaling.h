#pragma once
// Axis scaling and pixel mapping of the three graph families. The series are those of the loaded
// run, which the scaling only reads; every value becomes a pixel position on the 500 x 300 pixel
// plot area whose lower left corner is at column 70, row 350.

#include <cstdint>
#include <string>

#include "graphs/GraphState.h"
#include "model/ModelState.h"

namespace vantorel {

class GraphScaling {
public:
    GraphScaling(const ModelState& state, GraphState& graph) : state_(state), graph_(graph) {}

    // Chooses the "x 10" factors and the axes. The surface-drainage line shows the surface
    // drainage and the infiltration excess together.
    void ScaleHydrologyAxes();
    // False, with Problem() telling why, when there is nothing to draw.
    bool MapHydrologySeries();

    // Level mode scales and maps the levels, minus the depths.
    void ScaleWaterTableAxes();
    bool MapWaterTableSeries();
    // The observed depths the water-table graph shows: when its axis reaches below 0, a depth
    // of exactly -1 counts as not observed.
    const StepSeries& ObservedDepths() const { return observed_depths_; }

    void ScaleSalinityAxes();
    // With all zones shown the salinity graph leaves more room at the top for the legends.
    void RaiseSalinityTopForAllZones();
    bool MapSalinitySeries();

    // Row of level 0 in the level-mode water-table graph, where its bars start.
    int32_t LevelZeroRow() const;

    const std::string& Problem() const { return problem_; }

private:
    int32_t Steps() const { return state_.Input.NrTimeSteps; }
    void ScaleTimeAxis();
    bool CheckDrawable();
    void StartMapping();
    int32_t Row(double value, int32_t base) const;
    void MapSeries(std::vector<int32_t>& rows, const StepSeries& series, double missing, int32_t base,
                   double factor = 1.0) const;

    const ModelState& state_;
    GraphState& graph_;
    std::string problem_;
    StepSeries surface_drainage_;  // with the infiltration excess
    StepSeries water_table_;       // depths, or levels in level mode
    StepSeries observed_depths_;
    double highest_level_ = 0;
};

// The message shown instead of a graph whose values are all equal, so that its axis has no length.
extern const char* const NothingToDrawMessage;

}  // namespace vantorel
