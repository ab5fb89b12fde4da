#pragma once

// Every constant of the equilibrium calculation, each with the reason for its value.

namespace quorvel {

struct NewtonSettings {
    static constexpr double InitialBest = 1e37;           // larger than any sum of squares met
    static constexpr double DifferenceOverTolerance = 20; // difference factor per tolerance
    static constexpr double Damping = 0.6180339887;       // shortens each step, shrinks the factor
    static constexpr int PassLimit = 50;                  // give up on the pass after this one
    static constexpr int SearchPasses[8] = {7, 13, 17, 23, 27, 31, 37, 47}; // complex search
    static constexpr int ReturnOffsetMin = 3; // returned unknowns lie 3 + (0..9) tolerances inside
    static constexpr double BackOffFraction = 0.5; // constraint back-off: half the step
};

struct ComplexSettings {
    static constexpr double ReflectionFactor = 1.3; // over-reflection through the centroid
    static constexpr double MeasureStart = 1e6;     // stopping measures before the first test
    static constexpr double VarianceLimit = 1e-7;   // objective values this close: stop
    static constexpr double DistanceLimit = 1e-4;   // points this close together: stop
    static constexpr int BudgetPerSquare = 3;       // evaluation budget 3n^2 + 33
    static constexpr int BudgetBase = 33;
    static constexpr double ScatterLow = 0.9; // initial points 0.9 to 1.1 times the start
    static constexpr double ScatterWidth = 0.2;
    static constexpr double BoundBand = 0.01; // re-placed coordinates lie within 1 % of range
};

// Loops that the algorithms leave unbounded stop after this many repetitions and go on
// with the point as it stands; a sound search needs a handful.
inline constexpr int LoopRepetitionLimit = 1000;

struct SweepSettings {
    static constexpr double Tolerance = 1e-9; // handed to the Newton solver
    static constexpr double StartX = 0.3;     // starting pair of every run
    static constexpr double StartY = 0.1;
    static constexpr double CelsiusToKelvin = 273; // exactly 273, as the constants assume
    static constexpr double RatioFirst = 0.2;
    static constexpr double RatioStep = 0.05;
    static constexpr double RatioLast = 4.0;
    static constexpr double TemperatureFirst = 1023; // K
    static constexpr double TemperatureStep = 10;
    static constexpr double TemperatureLast = 1273;
    static constexpr double PressureFirst = 15; // atm
    static constexpr double PressureStep = 0.5;
    static constexpr double PressureLast = 30;
};

struct RefinementSettings {
    static constexpr int IterationLimit = 60;      // Newton iterations per start
    static constexpr double Convergence = 1e-8;    // no amount changes more: one more step
    static constexpr double ResidualLimit = 1e-12; // every residual at the end, each relative
    static constexpr double StepCap = 30;          // largest change of a log amount per step
    // Log amounts kept within these, so that the exponentials neither overflow nor lose
    // their relative precision in subnormal numbers.
    static constexpr double LogAmountLow = -700;
    static constexpr double LogAmountHigh = 700;
    // Halvings per level of the nested bisection: enough to reach the last bit of any
    // bracket met, and a bound on the work if it is not reached.
    static constexpr int BisectionLimit = 80;
};

} // namespace quorvel
