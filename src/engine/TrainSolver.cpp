#include "engine/TrainSolver.h"

#include "engine/BracketSearch.h"
#include "engine/FloatingPointGuard.h"
#include "engine/InletEnthalpy.h"
#include "engine/RootRefinement.h"
#include "engine/StandardConstants.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr double Kelvin0 = StandardKelvinOffset;

// An energy balance is closed when its residual is this small against the enthalpy
// flow of the gas: far inside the 1e-9 the figures are judged by, and a few bits above
// what the sums of a dozen terms can resolve.
constexpr double EnergyTolerance = 1e-13;
// A target ratio is met to this relative difference.
constexpr double RatioTolerance = 1e-13;
// Below this share of the oxygen that would burn the gas completely, the gas still has
// a composition with every amount positive; the search for an oxidant amount stays
// inside.
constexpr double OxidantReach = 1 - 1e-9;
constexpr double SecondsPerHour = 3600;

constexpr int Index(Species s) {
    return static_cast<int>(s);
}

// The feed gas's species in FeedComposition order.
constexpr Species FeedSpecies[FeedComponentCount] = {Species::CH4,   Species::C2H6, Species::C3H8,
                                                     Species::C4H10, Species::N2,   Species::CO,
                                                     Species::CO2,   Species::H2,   Species::H2O};
constexpr Species OxidantSpecies[OxidantCount] = {Species::O2, Species::N2, Species::Ar,
                                                  Species::CO2, Species::H2O};

// Both equilibria of the gas `in` at T kelvin: the elements go to the refinement as feed
// totals (heavier hydrocarbons counted as methane, the oxygen burnt to water first) and
// the inert gases ride along. False where no composition has every amount positive.
bool EquilibriumAt(Engine& engine, const double* in, double T, double pressureBar,
                   const ApproachToEquilibrium& approach, double* out) {
    FeedTotals& f = engine.feedTotals;
    const auto n = [in](Species s) { return in[Index(s)]; };
    f.C = n(Species::CH4) + 2 * n(Species::C2H6) + 3 * n(Species::C3H8) + 4 * n(Species::C4H10);
    f.CO = n(Species::CO);
    f.CO2 = n(Species::CO2);
    f.H2 = n(Species::H2) - n(Species::C2H6) - 2 * n(Species::C3H8) - 3 * n(Species::C4H10) -
           2 * n(Species::O2);
    f.H2O = n(Species::H2O) + 2 * n(Species::O2);
    f.N2 = n(Species::N2) + n(Species::Ar);
    ProcessConditions& pc = engine.processConditions;
    pc.Ratio = 0;
    pc.Pressure = pressureBar / BarPerAtm;
    pc.Temperature = T;
    const double celsius = T - Kelvin0;
    pc.K1 = StandardReformingK1(celsius - approach.Reforming);
    pc.K2 = StandardShiftK2(celsius + approach.Shift);
    ThrowOnFloatingPointFault();
    const RefinedRoot root = RefineRoot(engine);
    // The refinement judges its own arithmetic.
    ClearFloatingPointFaults();
    if (!root.physical) {
        return false;
    }
    std::fill(out, out + SpeciesCount, 0.0);
    out[Index(Species::CH4)] = root.amounts[Methane];
    out[Index(Species::CO)] = root.amounts[CarbonMonoxide];
    out[Index(Species::CO2)] = root.amounts[CarbonDioxide];
    out[Index(Species::H2)] = root.amounts[Hydrogen];
    out[Index(Species::H2O)] = root.amounts[Water];
    out[Index(Species::N2)] = n(Species::N2);
    out[Index(Species::Ar)] = n(Species::Ar);
    return true;
}

// The water-gas shift alone at T kelvin: y mol of CO shifted, found by bisection on
// ln(pCO2 pH2 / (pCO pH2O K2)), which rises with y, until the bracket is two neighbouring
// doubles. Every other amount is copied. False where no y leaves all four positive.
bool ShiftAt(const double* in, double T, double approachShift, double* out) {
    const double lnK2 = std::log(StandardShiftK2(T - Kelvin0 + approachShift));
    ThrowOnFloatingPointFault();
    const double co = in[Index(Species::CO)];
    const double water = in[Index(Species::H2O)];
    const double co2 = in[Index(Species::CO2)];
    const double h2 = in[Index(Species::H2)];
    double low = -std::min(co2, h2);
    double high = std::min(co, water);
    if (!(low < high)) {
        return false;
    }
    double best = 0;
    double bestSize = HUGE_VAL;
    for (int k = 0; k < BracketIterationLimit; ++k) {
        const double y = low + (high - low) / 2;
        if (!(y > low && y < high)) {
            break;
        }
        const double nCO2 = co2 + y, nH2 = h2 + y, nCO = co - y, nH2O = water - y;
        if (!(nCO2 > 0 && nH2 > 0)) {
            low = y;
            continue;
        }
        if (!(nCO > 0 && nH2O > 0)) {
            high = y;
            continue;
        }
        const double g = std::log(nCO2) + std::log(nH2) - std::log(nCO) - std::log(nH2O) - lnK2;
        if (std::fabs(g) < bestSize) {
            best = y;
            bestSize = std::fabs(g);
        }
        (g < 0 ? low : high) = y;
    }
    if (bestSize == HUGE_VAL) {
        return false;
    }
    std::copy(in, in + SpeciesCount, out);
    out[Index(Species::CO2)] = co2 + best;
    out[Index(Species::H2)] = h2 + best;
    out[Index(Species::CO)] = co - best;
    out[Index(Species::H2O)] = water - best;
    return true;
}

bool ReactAt(Engine& engine, const TrainStage& stage, const double* in, double T, double* out) {
    if (stage.kind == StageKind::Shift) {
        return ShiftAt(in, T, stage.approach.Shift, out);
    }
    return EquilibriumAt(engine, in, T, stage.pressureBar, stage.approach, out);
}

// The outlet of a stage whose gas `in` brings the enthalpy hIn (J per mol feed gas):
// at the given outlet temperature, or where H_out(T) = hIn + heat.
struct ThermalOutcome {
    StageFailure failure;
    double kelvin;
    double duty;
};

// A search that repeats the stage for nearby conditions (an oxidant amount being sought)
// starts from the last outlet temperature: inside a bracket of this half-width about it,
// where the balance changes sign there, and in the whole range otherwise.
constexpr double HintHalfWidth = 20; // K

ThermalOutcome SolveThermal(Engine& engine, const TrainStage& stage, const double* in, double hIn,
                            double flow, bool outletGiven, double outletKelvin, double heat,
                            double* out, double* hint = nullptr) {
    if (outletGiven) {
        if (!ReactAt(engine, stage, in, outletKelvin, out)) {
            return {StageFailure::NoPhysicalGas, outletKelvin, 0};
        }
        return {StageFailure::None, outletKelvin, StreamEnthalpy(out, outletKelvin) - hIn};
    }
    bool physical = true;
    const auto balance = [&](double T) -> BracketValue {
        if (!ReactAt(engine, stage, in, T, out)) {
            physical = false;
            return {0, 1};
        }
        return {StreamEnthalpy(out, T) - hIn - heat, 0};
    };
    const double low = AdiabaticCelsiusLowest + Kelvin0;
    const double high = AdiabaticCelsiusHighest + Kelvin0;
    BracketOutcome found{};
    if (hint != nullptr && *hint > 0) {
        found = FindBracketedRoot(balance, std::max(low, *hint - HintHalfWidth),
                                  std::min(high, *hint + HintHalfWidth), EnergyTolerance * flow);
    }
    if (!found.found && physical) {
        found = FindBracketedRoot(balance, low, high, EnergyTolerance * flow);
    }
    if (!physical) {
        return {StageFailure::NoPhysicalGas, low, 0};
    }
    if (!found.found) {
        return {found.x == low ? StageFailure::OutletBelowRange : StageFailure::OutletAboveRange,
                found.x, 0};
    }
    ReactAt(engine, stage, in, found.x, out);
    if (hint != nullptr) {
        *hint = found.x;
    }
    return {StageFailure::None, found.x, StreamEnthalpy(out, found.x) - hIn};
}

struct StageInput {
    const double* gas; // the process gas after its exchanger
    double gasEnthalpy;
    double flow;
    double heat; // J per mol feed gas for ThermalKind::Duty
};

// The oxidant's amounts per mole of oxidant, and its enthalpy at its temperature.
void OxidantPerMole(const OxidantStream& oxidant, double* perMole, double& enthalpy) {
    std::fill(perMole, perMole + SpeciesCount, 0.0);
    double total = 0;
    for (int c = 0; c < OxidantCount; ++c) {
        total += oxidant.percent[c];
    }
    for (int c = 0; c < OxidantCount; ++c) {
        perMole[Index(OxidantSpecies[c])] = oxidant.percent[c] / total;
    }
    enthalpy = StreamEnthalpy(perMole, oxidant.temperatureC + Kelvin0);
}

ThermalOutcome SolveWithOxidant(Engine& engine, const TrainStage& stage, const StageInput& input,
                                double amount, const double* perMole, double oxidantEnthalpy,
                                bool outletGiven, double outletKelvin, double* mixed, double* out,
                                double* hint = nullptr) {
    for (int s = 0; s < SpeciesCount; ++s) {
        mixed[s] = input.gas[s] + amount * perMole[s];
    }
    return SolveThermal(engine, stage, mixed, input.gasEnthalpy + amount * oxidantEnthalpy,
                        input.flow, outletGiven, outletKelvin, input.heat, out, hint);
}

// The oxidant amount of a secondary stage with a target, then the stage at it.
ThermalOutcome SolveSecondary(Engine& engine, const TrainStage& stage, const StageInput& input,
                              double& amount, double* mixed, double* out) {
    const OxidantStream& oxidant = stage.oxidant;
    double perMole[SpeciesCount];
    double oxidantEnthalpy;
    OxidantPerMole(oxidant, perMole, oxidantEnthalpy);
    const bool outletGiven = stage.thermal == ThermalKind::OutletTemperature;
    const double outletKelvin = stage.outletTemperatureC + Kelvin0;
    if (oxidant.amountKind == OxidantAmountKind::MolPerMolFeed) {
        amount = oxidant.value;
        return SolveWithOxidant(engine, stage, input, amount, perMole, oxidantEnthalpy, outletGiven,
                                outletKelvin, mixed, out);
    }
    // The oxygen that would burn the gas to CO2 and water: each mole of oxidant brings
    // 2 x O2 atoms of oxygen beyond what its own CO2 and water hold.
    double elements[ElementCount];
    ElementsOf(input.gas, elements);
    const double oxygenShort = 2 * elements[ElementC] + elements[ElementH] / 2 - elements[ElementO];
    const double reach = OxidantReach * oxygenShort / (2 * perMole[Index(Species::O2)]);
    if (!(reach > 0)) {
        return {StageFailure::NoPhysicalGas, outletKelvin, 0};
    }
    BracketOutcome found{};
    if (oxidant.amountKind == OxidantAmountKind::OutletTemperature) {
        // More oxidant, more heat: the balance at the target temperature rises with it.
        const double target = oxidant.value + Kelvin0;
        const auto excess = [&](double a) -> BracketValue {
            for (int s = 0; s < SpeciesCount; ++s) {
                mixed[s] = input.gas[s] + a * perMole[s];
            }
            if (!EquilibriumAt(engine, mixed, target, stage.pressureBar, stage.approach, out)) {
                return {0, 1};
            }
            return {input.gasEnthalpy + a * oxidantEnthalpy + input.heat -
                        StreamEnthalpy(out, target),
                    0};
        };
        found = FindBracketedRoot(excess, 0, reach, EnergyTolerance * input.flow);
        if (!found.found) {
            return {StageFailure::TargetUnreachable, target, 0};
        }
        amount = found.x;
        return SolveWithOxidant(engine, stage, input, amount, perMole, oxidantEnthalpy, true,
                                target, mixed, out);
    }
    // (H2 + CO)/N2 falls as the oxidant burns the one and brings the other.
    const double target = oxidant.value;
    double hint = 0;
    const auto shortfall = [&](double a) -> BracketValue {
        const ThermalOutcome t = SolveWithOxidant(engine, stage, input, a, perMole, oxidantEnthalpy,
                                                  outletGiven, outletKelvin, mixed, out, &hint);
        if (t.failure == StageFailure::OutletBelowRange) {
            return {0, -1};
        }
        if (t.failure != StageFailure::None) {
            return {0, 1};
        }
        const double n2 = out[Index(Species::N2)];
        const double product = out[Index(Species::H2)] + out[Index(Species::CO)];
        if (!(n2 > 0)) {
            return {0, -1};
        }
        return {(target - product / n2) / target, 0};
    };
    found = FindBracketedRoot(shortfall, 0, reach, RatioTolerance);
    if (!found.found) {
        return {StageFailure::TargetUnreachable, outletKelvin, 0};
    }
    amount = found.x;
    return SolveWithOxidant(engine, stage, input, amount, perMole, oxidantEnthalpy, outletGiven,
                            outletKelvin, mixed, out, &hint);
}

double FeedKmolHOfCapacity(const TrainCase& train) {
    switch (train.capacityKind) {
    case CapacityKind::FeedKmolH:
        return train.capacity;
    case CapacityKind::FeedNm3H:
        return train.capacity / NormalCubicMetresPerKmol;
    case CapacityKind::HydrogenNm3H:
        break;
    }
    return 0;
}

} // namespace

double SteamMolPerMolFeed(const TrainCase& train) {
    if (train.steamKind == SteamAmountKind::MolPerMolFeed) {
        return train.steamValue;
    }
    Engine probe{};
    probe.feedComposition = train.feed;
    PreparationVar(probe);
    return train.steamValue * probe.feedTotals.C - probe.feedTotals.H2O;
}

void SolveTrain(const TrainCase& train, TrainWorkspace& workspace, TrainResult& result) {
    ClearFloatingPointFaults();
    Engine& engine = workspace.engine;
    result.stageCount = train.stageCount;
    result.solvedCount = 0;
    result.feedKelvin = train.feedTemperatureC + Kelvin0;
    result.steamKelvin = train.steamTemperatureC + Kelvin0;
    result.steamMolPerMolFeed = SteamMolPerMolFeed(train);
    for (int s = 0; s < train.stageCount; ++s) {
        result.stages[s] = {};
        result.stages[s].failure = StageFailure::NotComputed;
    }

    // The feed and the steam mixed without heat exchange: at a temperature between
    // theirs, where the mixture's enthalpy is what the two bring.
    GasStream& mixed = result.mixed;
    mixed = {};
    for (int i = 0; i < FeedComponentCount; ++i) {
        mixed.amounts[Index(FeedSpecies[i])] = train.feed[i] / 100;
    }
    mixed.amounts[Index(Species::H2O)] += result.steamMolPerMolFeed;
    const double hMixed =
        FeedGasEnthalpyJPerMol(train.feed, result.feedKelvin) +
        result.steamMolPerMolFeed * EnthalpyJPerMol(Species::H2O, result.steamKelvin);
    const double coolest = std::min(result.feedKelvin, result.steamKelvin);
    const double hottest = std::max(result.feedKelvin, result.steamKelvin);
    mixed.kelvin = coolest;
    if (coolest < hottest) {
        const double flow = StreamEnthalpyFlow(mixed.amounts, hottest);
        mixed.kelvin = FindBracketedRoot(
                           [&](double T) -> BracketValue {
                               return {StreamEnthalpy(mixed.amounts, T) - hMixed, 0};
                           },
                           coolest, hottest, EnergyTolerance* flow)
                           .x;
    }
    ThrowOnFloatingPointFault();

    const double feedKmolH = FeedKmolHOfCapacity(train);
    const GasStream* previous = &mixed;
    double hPrevious = hMixed;
    for (int s = 0; s < train.stageCount; ++s) {
        const TrainStage& stage = train.stages[s];
        StageResult& r = result.stages[s];
        engine.refinement.Known = 0;
        r.pressureBar = stage.pressureBar;
        r.inlet = *previous;
        double hIn = hPrevious;
        if (stage.inletGiven) {
            r.inlet.kelvin = stage.inletTemperatureC + Kelvin0;
            hIn = StreamEnthalpy(r.inlet.amounts, r.inlet.kelvin);
            r.exchangerDutyJ = hIn - hPrevious;
        }
        r.inletKelvin = r.inlet.kelvin;
        if (stage.thermal == ThermalKind::Duty && !(feedKmolH > 0)) {
            // A duty in kW needs the feed flow, which a hydrogen capacity gives only
            // after the whole train.
            r.failure = StageFailure::DutyWithoutFeedFlow;
            break;
        }
        const StageInput input{
            r.inlet.amounts, hIn, StreamEnthalpyFlow(r.inlet.amounts, r.inlet.kelvin),
            stage.thermal == ThermalKind::Duty ? stage.dutyKw * SecondsPerHour / feedKmolH : 0};
        double withOxidant[SpeciesCount];
        ThermalOutcome outcome{};
        if (stage.kind == StageKind::Secondary) {
            outcome = SolveSecondary(engine, stage, input, r.oxidantMolPerMolFeed, withOxidant,
                                     r.outlet.amounts);
            double perMole[SpeciesCount];
            double unused;
            OxidantPerMole(stage.oxidant, perMole, unused);
            for (int k = 0; k < SpeciesCount; ++k) {
                r.oxidant[k] = r.oxidantMolPerMolFeed * perMole[k];
            }
            r.oxidantKelvin = stage.oxidant.temperatureC + Kelvin0;
        } else {
            outcome =
                SolveThermal(engine, stage, input.gas, hIn, input.flow,
                             stage.thermal == ThermalKind::OutletTemperature,
                             stage.outletTemperatureC + Kelvin0, input.heat, r.outlet.amounts);
        }
        ThrowOnFloatingPointFault();
        r.failure = outcome.failure;
        r.outletKelvin = outcome.kelvin;
        if (r.failure != StageFailure::None) {
            break;
        }
        r.outlet.kelvin = outcome.kelvin;
        r.dutyJ = outcome.duty;
        const GasStream& o = r.outlet;
        r.carbon =
            CarbonActivityOf(CarbonConstantsAt(o.kelvin), Amount(o, Species::CH4),
                             Amount(o, Species::CO), Amount(o, Species::CO2),
                             Amount(o, Species::H2), WetTotal(o), stage.pressureBar / BarPerAtm);
        ThrowOnFloatingPointFault();
        result.solvedCount = s + 1;
        previous = &r.outlet;
        hPrevious = StreamEnthalpy(o.amounts, o.kelvin);
    }

    result.feedKmolH = feedKmolH;
    if (train.capacityKind == CapacityKind::HydrogenNm3H) {
        result.feedKmolH = 0;
        const double h2 = Amount(*previous, Species::H2);
        if (result.solvedCount == train.stageCount && train.stageCount > 0 && h2 > 0) {
            result.feedKmolH = train.capacity / (NormalCubicMetresPerKmol * h2);
        }
    }
    ThrowOnFloatingPointFault();
}

} // namespace quorvel
