#include "engine/TargetSearch.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/RestoreConditions.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {

double FigureAtParameter(Engine& engine, PointFigureKind figure, SweptParameter parameter,
                         double value) {
    ProcessConditions& pc = engine.processConditions;
    pc.Ratio = parameter == SweptParameter::Ratio ? value : engine.InputRatio;
    const double celsius =
        parameter == SweptParameter::Temperature ? value : engine.InputTemperature;
    pc.Temperature = celsius + SweepSettings::CelsiusToKelvin;
    pc.Pressure = parameter == SweptParameter::Pressure ? value : pc.InputPressure;
    ClearFloatingPointFaults();
    ComputeConstants(engine, pc.Temperature);
    ThrowOnFloatingPointFault();
    return FigureAtPoint(engine, figure);
}

TargetResult SearchTarget(Engine& engine, PointFigureKind figure, double target,
                          SweptParameter parameter, EntryLimits limits) {
    using S = TargetSettings;
    const RestoreConditions restore(engine);
    engine.refinement.Known = 0;
    TargetResult result{TargetOutcome::Undefined, 0, 0, HUGE_VAL, -HUGE_VAL, 0};
    const auto at = [&](double value) {
        ++result.evaluations;
        return FigureAtParameter(engine, figure, parameter, value);
    };

    // The scan: the first neighbouring pair of defined samples on either side of the target.
    double low = 0, lowFigure = 0;
    bool lowKnown = false, bracketed = false;
    double high = 0, highFigure = 0;
    for (int i = 0; i < S::ScanSamples && !bracketed; ++i) {
        const double value =
            i == S::ScanSamples - 1
                ? limits.upper
                : limits.lower + (limits.upper - limits.lower) * i / (S::ScanSamples - 1);
        const double f = at(value);
        if (!std::isfinite(f))
            continue;
        result.lowest = std::fmin(result.lowest, f);
        result.highest = std::fmax(result.highest, f);
        if (f == target) {
            return {TargetOutcome::Found, value,          f,
                    result.lowest,        result.highest, result.evaluations};
        }
        if (lowKnown && (lowFigure < target) != (f < target)) {
            high = value;
            highFigure = f;
            bracketed = true;
        } else {
            low = value;
            lowFigure = f;
            lowKnown = true;
        }
    }
    if (!bracketed) {
        result.outcome = lowKnown ? TargetOutcome::OutOfReach : TargetOutcome::Undefined;
        return result;
    }

    // Bisection: the side whose figure lies below the target stays below it.
    const bool lowBelow = lowFigure < target;
    for (int i = 0; i < S::BisectionLimit; ++i) {
        const double scale = std::fmax(std::fabs(low), std::fabs(high));
        if (high - low <= S::RelativeTolerance * scale)
            break;
        const double middle = low + (high - low) / 2;
        if (!(middle > low && middle < high))
            break; // neighbouring doubles
        const double f = at(middle);
        if (!std::isfinite(f)) {
            // An undefined figure inside a defined bracket: narrow from the side that
            // stays defined, so the answer lies where the figure exists.
            high = middle;
            continue;
        }
        if (f == target) {
            low = high = middle;
            highFigure = lowFigure = f;
            break;
        }
        if ((f < target) == lowBelow) {
            low = middle;
            lowFigure = f;
        } else {
            high = middle;
            highFigure = f;
        }
    }
    // The answer is the end of the bracket whose figure lies nearer the target.
    const bool takeLow = std::fabs(lowFigure - target) <= std::fabs(highFigure - target);
    result.outcome = TargetOutcome::Found;
    result.value = takeLow ? low : high;
    // Solved once more at the answer, afresh, so that `achieved` is the figure a sweep of
    // that one point stores, to the last bit.
    engine.refinement.Known = 0;
    result.achieved = at(result.value);
    return result;
}

} // namespace quorvel
