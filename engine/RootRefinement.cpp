#include "engine/RootRefinement.h"

#include "engine/SolverSettings.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The amounts of the equilibrium gas at (x, y), mol per mol feed gas, and their
// derivatives by x and y.
struct Amounts {
    double value[5]; // methane, CO, CO2, hydrogen, water
    double wetTotal;
};

constexpr double dAmountDx[5] = {-1, 1, 0, 3, -1};
constexpr double dAmountDy[5] = {-1, 0, 1, 4, -2};

Amounts AmountsAt(const Engine& engine, double x, double y) {
    const FeedTotals& f = engine.feedTotals;
    const double s = engine.processConditions.Ratio;
    return {{f.C - x - y, f.CO + x, f.CO2 + y, 3 * x + f.H2 + 4 * y, s + f.H2O - x - 2 * y},
            1 + s + 2 * x + 2 * y};
}

// Every log below is of a value this test has admitted, so no flag can be raised.
bool InDomain(const Amounts& amounts) {
    for (const double amount : amounts.value) {
        if (!(amount > RefinementSettings::SmallestAmount)) {
            return false;
        }
    }
    return amounts.wetTotal > RefinementSettings::SmallestAmount;
}

bool ConditionsUsable(const Engine& engine) {
    const ProcessConditions& pc = engine.processConditions;
    const auto usable = [](double v) { return v > 0 && std::isfinite(v); };
    return usable(pc.Pressure) && usable(pc.K1) && usable(pc.K2) && std::isfinite(pc.Ratio);
}

// f0 = ln(pCO pH2^3) - ln(pCH4 pH2O K1), f1 = ln(pCO2 pH2) - ln(pCO pH2O K2).
void LogResiduals(const Engine& engine, const Amounts& a, double* f) {
    const ProcessConditions& pc = engine.processConditions;
    const double lnCH4 = std::log(a.value[0]);
    const double lnCO = std::log(a.value[1]);
    const double lnCO2 = std::log(a.value[2]);
    const double lnH2 = std::log(a.value[3]);
    const double lnH2O = std::log(a.value[4]);
    const double lnPressureShare = std::log(pc.Pressure) - std::log(a.wetTotal);
    f[0] = lnCO + 3 * lnH2 - lnCH4 - lnH2O + 2 * lnPressureShare - std::log(pc.K1);
    f[1] = lnCO2 + lnH2 - lnCO - lnH2O - std::log(pc.K2);
}

// The analytic Jacobian of the log residuals; its determinant is positive in the domain.
struct Jacobian {
    double a00, a01, a10, a11, determinant;
};

Jacobian JacobianAt(const Amounts& a) {
    const double ch4 = 1 / a.value[0];
    const double co = 1 / a.value[1];
    const double co2 = 1 / a.value[2];
    const double h2 = 1 / a.value[3];
    const double h2o = 1 / a.value[4];
    const double total = 1 / a.wetTotal;
    Jacobian J;
    J.a00 = co + 9 * h2 + ch4 + h2o - 4 * total;
    J.a01 = 12 * h2 + ch4 + 2 * h2o - 4 * total;
    J.a10 = -co + 3 * h2 + h2o;
    J.a11 = co2 + 4 * h2 + 2 * h2o;
    J.determinant = J.a00 * J.a11 - J.a01 * J.a10;
    return J;
}

// The Newton step -J^-1 f.
void NewtonStep(const Jacobian& J, const double* f, double* step) {
    step[0] = -(J.a11 * f[0] - J.a01 * f[1]) / J.determinant;
    step[1] = -(J.a00 * f[1] - J.a10 * f[0]) / J.determinant;
}

// The larger component; a step that is not finite counts as infinitely large.
double Size(const double* step) {
    if (!std::isfinite(step[0]) || !std::isfinite(step[1])) {
        return HUGE_VAL;
    }
    return std::max(std::fabs(step[0]), std::fabs(step[1]));
}

// Largest fraction of the step that leaves every amount at 1 % of its value or more.
double ShortenedFraction(const Amounts& a, const double* step) {
    double t = 1;
    for (int i = 0; i < 5; ++i) {
        const double change = dAmountDx[i] * step[0] + dAmountDy[i] * step[1];
        if (change < 0) {
            const double allowed = (1 - RefinementSettings::KeepFraction) * a.value[i] / -change;
            t = std::min(t, allowed);
        }
    }
    return t;
}

} // namespace

bool DomainMiddle(const Engine& engine, double& x, double& y) {
    const FeedTotals& f = engine.feedTotals;
    const double sw = engine.processConditions.Ratio + f.H2O;
    // u = x + y, the methane converted; then y within what u leaves.
    const double uLow = std::max({-f.CO - f.CO2, -(f.CO + f.H2) / 4, -(f.H2 + sw) / 2});
    const double uHigh = std::min(f.C, sw + f.CO2);
    if (!(uLow < uHigh)) {
        return false;
    }
    const double u = (uLow + uHigh) / 2;
    const double yLow = std::max(-f.CO2, -(f.H2 + 3 * u));
    const double yHigh = std::min(f.CO + u, sw - u);
    if (!(yLow < yHigh)) {
        return false;
    }
    y = (yLow + yHigh) / 2;
    x = u - y;
    return InDomain(AmountsAt(engine, x, y));
}

bool RefineFrom(const Engine& engine, double& x, double& y) {
    if (!ConditionsUsable(engine)) {
        return false;
    }
    Amounts amounts = AmountsAt(engine, x, y);
    if (!std::isfinite(x) || !std::isfinite(y) || !InDomain(amounts)) {
        return false;
    }
    double f[2];
    LogResiduals(engine, amounts, f);
    for (int iteration = 0; iteration < RefinementSettings::IterationLimit; ++iteration) {
        const Jacobian J = JacobianAt(amounts);
        if (!(J.determinant > 0)) {
            return false;
        }
        double step[2];
        NewtonStep(J, f, step);
        if (!std::isfinite(step[0]) || !std::isfinite(step[1])) {
            return false;
        }
        const double stepSize = Size(step);
        const double scale = std::max(std::fabs(x), std::fabs(y));
        if (stepSize <= RefinementSettings::Convergence * scale) {
            const Amounts last = AmountsAt(engine, x + step[0], y + step[1]);
            if (InDomain(last)) {
                x += step[0];
                y += step[1];
            }
            return true;
        }

        // Shorten, then halve until the trial point is inside and its own Newton step
        // (with this Jacobian) has shrunk enough: a natural monotonicity test.
        double t = ShortenedFraction(amounts, step);
        bool accepted = false;
        for (int halving = 0; halving <= RefinementSettings::HalvingLimit; ++halving) {
            const double trialX = x + t * step[0];
            const double trialY = y + t * step[1];
            const Amounts trial = AmountsAt(engine, trialX, trialY);
            if (InDomain(trial)) {
                double trialF[2];
                LogResiduals(engine, trial, trialF);
                double trialStep[2];
                NewtonStep(J, trialF, trialStep);
                if (Size(trialStep) <= (1 - RefinementSettings::DecreaseSlope * t) * stepSize) {
                    x = trialX;
                    y = trialY;
                    amounts = trial;
                    f[0] = trialF[0];
                    f[1] = trialF[1];
                    accepted = true;
                    break;
                }
            }
            t /= 2;
        }
        if (!accepted) {
            return false;
        }
    }
    return false;
}

RefinedRoot RefineRoot(Engine& engine, double solverX, double solverY) {
    RefinementState& state = engine.refinement;
    double x;
    double y;
    bool found = false;
    if (state.HavePrevious) {
        x = state.PreviousX;
        y = state.PreviousY;
        found = RefineFrom(engine, x, y);
    }
    if (!found && DomainMiddle(engine, x, y)) {
        found = RefineFrom(engine, x, y);
    }
    if (!found) {
        x = solverX;
        y = solverY;
        found = RefineFrom(engine, x, y);
    }
    state.HavePrevious = found;
    if (!found) {
        return {solverX, solverY, false};
    }
    state.PreviousX = x;
    state.PreviousY = y;
    return {x, y, true};
}

} // namespace quorvel
