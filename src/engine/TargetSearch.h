#pragma once

#include "engine/Engine.h"
#include "engine/InputLimits.h"
#include "engine/PointFigure.h"

// The value of one process parameter, within its limits, at which a figure of the
// equilibrium gas equals a target: a scan of the limits finds the first pair of
// neighbouring samples that brackets the target, and bisection on the exact root of
// every probe narrows that bracket to TargetSettings::RelativeTolerance.

namespace quorvel {

struct TargetSettings {
    static constexpr int ScanSamples = 33;            // 32 equal intervals across the limits
    static constexpr double RelativeTolerance = 1e-9; // bracket width over the parameter
    static constexpr int BisectionLimit = 200;        // far beyond what a double allows
};

enum class TargetOutcome {
    Found,      // `value` reaches the target
    OutOfReach, // no value in the limits does: the figure spans lowest..highest
    Undefined,  // the figure is defined nowhere in the limits
};

struct TargetResult {
    TargetOutcome outcome;
    double value;    // the parameter at the answer: ratio per mol feed gas, degrees C or atm
    double achieved; // the figure at `value`
    double lowest;   // the smallest and largest figure met by the scan
    double highest;
    int evaluations; // points solved
};

// Searches `parameter` (ratio per mol feed gas, degrees C or atm) within `limits` (the
// same units), the other two held at the engine's entered values (InputRatio,
// InputTemperature, processConditions.InputPressure), on the direct path. The engine's
// working conditions and the refinement's memory are restored afterwards, also when it
// throws; nothing is allocated. Throws FloatingPointError.
TargetResult SearchTarget(Engine& engine, PointFigureKind figure, double target,
                          SweptParameter parameter, EntryLimits limits);

// The figure at one value of `parameter`, the other two held as SearchTarget holds
// them: the check of an answer. Leaves the working conditions at that point.
double FigureAtParameter(Engine& engine, PointFigureKind figure, SweptParameter parameter,
                         double value);

} // namespace quorvel
