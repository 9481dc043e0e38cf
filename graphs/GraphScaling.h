#pragma once
// Axis scaling and pixel mapping of the three graph families. The series are those of the loaded
// run; every value becomes a pixel position on the 500 x 300 pixel plot area whose lower left
// corner is at column 70, row 350.

#include <cstdint>
#include <string>

#include "graphs/GraphState.h"
#include "model/ModelState.h"

namespace vantorel {

class GraphScaling {
public:
    GraphScaling(ModelState& state, GraphState& graph) : state_(state), graph_(graph) {}

    // Adds the infiltration excess to the surface drainage in the data set (the line shows both;
    // the series stays changed until the output file is read again), chooses the "x 10" factors
    // and the axes.
    void ScaleHydrologyAxes();
    // False, with Problem() telling why, when there is nothing to draw.
    bool MapHydrologySeries();

    // In level mode the depths stay negated until the mapping, which undoes it in any case.
    void ScaleWaterTableAxes();
    bool MapWaterTableSeries();

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

    ModelState& state_;
    GraphState& graph_;
    std::string problem_;
    bool depths_negated_ = false;
    double highest_level_ = 0;
};

// The message shown instead of a graph whose values are all equal, so that its axis has no length.
extern const char* const NothingToDrawMessage;

}  // namespace vantorel
