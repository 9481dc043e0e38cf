#pragma once
// The values a calculation run produces and keeps until the next run, and the values read
// back from an output file. Names follow the model's own.

#include <array>
#include <cstdint>
#include <vector>

#include "model/InputData.h"

namespace vantorel {

// Index of a zone in the five per-zone flags and values.
enum Zone : int { Layer1 = 0, Layer2 = 1, Layer3 = 2, TransitionZone = 3, Aquifer = 4 };
inline constexpr int ZoneCount = 5;

// A [time step][day] table of (steps + 1) x (days + 1) doubles, element [i][d] for step i, day d.
class DayTable {
public:
    void Allocate(int32_t steps, int32_t days);
    double& operator()(int32_t step, int32_t day) { return values_[Index(step, day)]; }
    double operator()(int32_t step, int32_t day) const { return values_[Index(step, day)]; }
    // The days 0..Ts of one step, contiguous.
    const double* Row(int32_t step) const { return values_.data() + Index(step, 0); }
    bool Empty() const { return values_.empty(); }

private:
    size_t Index(int32_t step, int32_t day) const {
        return static_cast<size_t>(step) * static_cast<size_t>(row_length_) + static_cast<size_t>(day);
    }
    std::vector<double> values_;
    int32_t row_length_ = 0;
};

// The salinities the salt balances update, dS/m.
struct CurrentSalinities {
    double S1 = 0, S2 = 0, S3 = 0, STr = 0, SAq = 0;
};

// One leaching search of a run: each trial efficiency (fraction) with its sum of squares, in the
// order tried.
struct LeachingCurve {
    Zone zone = Layer1;
    std::vector<double> efficiency, sum_of_squares;
};

struct RunValues {
    bool CalcStopped = false;
    bool CalcInterrupted = false;  // stopped by a request from outside, not by the model
    bool OutputUnwritable = false;  // stopped because the output file could not be written
    bool DrainOptWanted = false;
    bool OptAccepted = false;  // answer to the most recent Yes/No question

    double QH1Used = 0, QH2Used = 0;
    double QH1Given = 0, QH2Given = 0;
    bool QHOptBalance = false, QHOptDwt = false, QHOptDrain = false;
    double FitDwt = 0, FitDrain = 0;

    std::array<double, ZoneCount> LEGiven{};      // fractions
    std::array<double, ZoneCount> LEUsed{};       // fractions the final salt balance used
    std::array<bool, ZoneCount> LEOptimized{};
    std::array<bool, ZoneCount> SaltFitNA{};
    double SaltFit1 = 0, SaltFit2 = 0, SaltFit3 = 0, SaltFitT = 0, SaltFitA = 0;

    // Constants of a run
    double Dr = 0;  // thickness of the whole root zone, m
    double AvD = 0, R1 = 0, R2 = 0, R3 = 0;
    double Up = 0, Down = 0;  // seepage from and into the aquifer, mm/day
    double W1 = 0, W2 = 0, W3 = 0, Wt = 0, Wa = 0;  // stored water at saturation, mm
    double MrM = 0;  // maximum root-zone moisture, mm
    double PondStore = 0;

    CurrentSalinities Current;

    // Result series, elements 0..NrTimeSteps (Drain has one more)
    StepSeries Dwt, Perc, Cap, EvapT, Drain, Infil;
    StepSeries S1, S2, S3, STr, SAq;

    std::vector<LeachingCurve> LeachingCurves;  // the leaching searches of the last run

    DayTable Perc1Day, Perc2Day, Perc3Day, Cap1Day, Cap2Day, Cap3Day;
};

// What only an output file tells: the printed efficiencies and the layout of its rows.
struct OutputFileValues {
    double LE1Out = 0, LE2Out = 0, LE3Out = 0, LEtOut = 0, LEaOut = 0;
    std::array<bool, ZoneCount> LEOptimizedOut{};
    bool StorageColumn = false;
    bool InvalidOutput = false;
};

}  // namespace vantorel
