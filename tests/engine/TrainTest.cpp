// The reformer train: every stage of several cases closes its element and energy
// balances, each computed here from the NASA polynomials species by species, and holds
// the equilibria it claims; a few worked figures anchor it.

#include "engine/StandardConstants.h"
#include "engine/Thermochemistry.h"
#include "engine/TrainExamples.h"
#include "engine/TrainSolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace quorvel {
namespace {

constexpr int CH4 = static_cast<int>(Species::CH4);
constexpr int CO = static_cast<int>(Species::CO);
constexpr int CO2 = static_cast<int>(Species::CO2);
constexpr int H2 = static_cast<int>(Species::H2);
constexpr int H2O = static_cast<int>(Species::H2O);
constexpr int N2 = static_cast<int>(Species::N2);
constexpr int O2 = static_cast<int>(Species::O2);

// H of the amounts at T, summed here term by term from the species polynomials; an
// absent species (the oxidant of a stage without one) counts nothing at any T.
double Enthalpy(const double* n, double T) {
    double h = 0;
    for (int s = 0; s < SpeciesCount; ++s) {
        h += n[s] == 0 ? 0 : n[s] * EnthalpyJPerMol(static_cast<Species>(s), T);
    }
    return h;
}

double Size(const double* n, double T) {
    double h = 0;
    for (int s = 0; s < SpeciesCount; ++s) {
        h += n[s] == 0 ? 0 : std::fabs(n[s] * EnthalpyJPerMol(static_cast<Species>(s), T));
    }
    return h;
}

// C, H, O, N, Ar of the amounts, atom by atom.
std::vector<double> Elements(const double* n) {
    const auto a = [n](Species s) { return n[static_cast<int>(s)]; };
    return {a(Species::CH4) + 2 * a(Species::C2H6) + 3 * a(Species::C3H8) + 4 * a(Species::C4H10) +
                a(Species::CO) + a(Species::CO2),
            4 * a(Species::CH4) + 6 * a(Species::C2H6) + 8 * a(Species::C3H8) +
                10 * a(Species::C4H10) + 2 * a(Species::H2) + 2 * a(Species::H2O),
            a(Species::CO) + 2 * a(Species::CO2) + a(Species::H2O) + 2 * a(Species::O2),
            2 * a(Species::N2), a(Species::Ar)};
}

double Total(const double* n) {
    double t = 0;
    for (int s = 0; s < SpeciesCount; ++s) {
        t += n[s];
    }
    return t;
}

std::unique_ptr<TrainResult> Solve(const TrainCase& train) {
    auto workspace = std::make_unique<TrainWorkspace>();
    auto result = std::make_unique<TrainResult>();
    SolveTrain(train, *workspace, *result);
    return result;
}

void ExpectBalancesClose(const TrainCase& train, const TrainResult& r, const char* name) {
    ASSERT_EQ(r.solvedCount, train.stageCount) << name;
    // The first stage's inlet: feed and steam at their own temperatures.
    double hBefore = 0;
    {
        double feed[SpeciesCount] = {};
        const Species order[] = {Species::CH4,   Species::C2H6, Species::C3H8,
                                 Species::C4H10, Species::N2,   Species::CO,
                                 Species::CO2,   Species::H2,   Species::H2O};
        for (int i = 0; i < FeedComponentCount; ++i) {
            feed[static_cast<int>(order[i])] = train.feed[i] / 100;
        }
        hBefore = Enthalpy(feed, r.feedKelvin) +
                  r.steamMolPerMolFeed * EnthalpyJPerMol(Species::H2O, r.steamKelvin);
        feed[H2O] += r.steamMolPerMolFeed;
        for (int s = 0; s < SpeciesCount; ++s) {
            ASSERT_EQ(r.stages[0].inlet.amounts[s], feed[s]) << name;
        }
    }
    for (int i = 0; i < train.stageCount; ++i) {
        const TrainStage& stage = train.stages[i];
        const StageResult& st = r.stages[i];
        SCOPED_TRACE(std::string(name) + ", stage " + std::to_string(i));
        ASSERT_EQ(st.failure, StageFailure::None);
        const double* in = st.inlet.amounts;
        const double* out = st.outlet.amounts;
        const double Tin = st.inletKelvin;
        const double Tout = st.outletKelvin;
        // Exchanger and stage, each an energy balance of its own.
        const double hIn = Enthalpy(in, Tin);
        const double scale = Size(in, Tin) + Size(out, Tout) + Size(st.oxidant, st.oxidantKelvin);
        EXPECT_NEAR(hIn - hBefore, st.exchangerDutyJ, 1e-9 * scale);
        const double hOut = Enthalpy(out, Tout);
        const double hOxidant = Enthalpy(st.oxidant, st.oxidantKelvin);
        EXPECT_NEAR(hOut - hIn - hOxidant, st.dutyJ, 1e-9 * scale);
        if (stage.thermal == ThermalKind::Adiabatic) {
            EXPECT_LE(std::fabs(st.dutyJ), 1e-9 * scale);
        }
        if (stage.thermal == ThermalKind::OutletTemperature) {
            EXPECT_EQ(Tout, stage.outletTemperatureC + StandardKelvinOffset);
        }
        if (stage.inletGiven) {
            EXPECT_EQ(Tin, stage.inletTemperatureC + StandardKelvinOffset);
        }
        // Elements: what came in with the oxidant goes out.
        std::vector<double> before = Elements(in);
        const std::vector<double> added = Elements(st.oxidant);
        const std::vector<double> after = Elements(out);
        for (std::size_t e = 0; e < before.size(); ++e) {
            EXPECT_NEAR(before[e] + added[e], after[e], 1e-9 * (before[e] + added[e]))
                << "element " << e;
        }
        EXPECT_EQ(out[O2], 0.0);
        // Equilibria at the outlet, partial pressures in atm.
        const double P = stage.pressureBar / BarPerAtm;
        const double D = Total(out);
        const double Q2 = out[CO2] * out[H2] / (out[CO] * out[H2O]);
        const double celsius = Tout - StandardKelvinOffset;
        const double K2 = StandardShiftK2(celsius + stage.approach.Shift);
        if (stage.kind == StageKind::Shift) {
            EXPECT_NEAR(Q2 / K2, 1, 1e-10);
            EXPECT_EQ(out[CH4], in[CH4]); // frozen to the last bit
        } else {
            const double Q1 =
                out[CO] * std::pow(out[H2] * P / D, 3) / (out[CH4] * out[H2O] * P / D);
            EXPECT_NEAR(Q1 / StandardReformingK1(celsius - stage.approach.Reforming), 1, 1e-9);
            EXPECT_NEAR(Q2 / K2, 1, 1e-9);
        }
        if (stage.kind == StageKind::Secondary &&
            stage.oxidant.amountKind == OxidantAmountKind::H2CoToN2) {
            EXPECT_NEAR((out[H2] + out[CO]) / out[N2], stage.oxidant.value,
                        1e-9 * stage.oxidant.value);
        }
        if (stage.kind == StageKind::Secondary &&
            stage.oxidant.amountKind == OxidantAmountKind::OutletTemperature) {
            EXPECT_NEAR(Tout, stage.oxidant.value + StandardKelvinOffset, 1e-9);
        }
        hBefore = hOut;
    }
}

TEST(Train, EveryStageClosesItsBalancesAndHoldsItsEquilibria) {
    std::vector<std::pair<const char*, TrainCase>> cases;
    cases.emplace_back("ammonia", AmmoniaFrontEndExample());
    cases.emplace_back("hydrogen", HydrogenPlantExample());
    {
        // Oxygen-blown to an outlet temperature, the first stage at the mixture's own
        // temperature, a reformer with a duty instead of a temperature.
        TrainCase t = AmmoniaFrontEndExample();
        t.steamTemperatureC = 450;
        t.stages[0].inletGiven = false;
        t.stages[1].thermal = ThermalKind::Duty;
        t.stages[1].dutyKw = 30000;
        t.stages[2].oxidant.kind = OxidantKind::Oxygen;
        for (int c = 0; c < OxidantCount; ++c) {
            t.stages[2].oxidant.percent[c] = OxygenPercent[c];
        }
        t.stages[2].oxidant.amountKind = OxidantAmountKind::OutletTemperature;
        t.stages[2].oxidant.value = 1000;
        t.stages[2].oxidant.temperatureC = 200;
        t.stages[3].approach.Shift = 15;
        cases.emplace_back("oxygen", t);
    }
    {
        // A given amount of an enriched oxidant with steam, a reformer at a steam ratio.
        TrainCase t = AmmoniaFrontEndExample();
        t.steamKind = SteamAmountKind::MolPerMolFeed;
        t.steamValue = 2.5;
        t.stages[1].approach = {-5, 8};
        OxidantStream& ox = t.stages[2].oxidant;
        ox.kind = OxidantKind::Composition;
        const double percent[OxidantCount] = {40, 50, 1, 1, 8};
        for (int c = 0; c < OxidantCount; ++c) {
            ox.percent[c] = percent[c];
        }
        ox.amountKind = OxidantAmountKind::MolPerMolFeed;
        ox.value = 1.2;
        t.stages[2].thermal = ThermalKind::OutletTemperature;
        t.stages[2].outletTemperatureC = 950;
        cases.emplace_back("enriched", t);
    }
    for (const auto& [name, train] : cases) {
        const auto r = Solve(train);
        ExpectBalancesClose(train, *r, name);
    }
}

TEST(Train, WorkedFiguresOfSingleStages) {
    // A reformer alone from 520 C inlets at 880 C, 25 bar, S/C 3 on pure methane: the
    // reformer's heat duty of the single-point calculation, 254.0 kJ/mol.
    TrainCase t{};
    t.capacityKind = CapacityKind::FeedKmolH;
    t.capacity = 1;
    t.feed = {{100, 0, 0, 0, 0, 0, 0, 0, 0}};
    t.feedTemperatureC = t.steamTemperatureC = 520;
    t.steamKind = SteamAmountKind::SteamToCarbon;
    t.steamValue = 3;
    t.stageCount = 1;
    t.stages[0] = ExampleStage(StageKind::Reformer, 0, 25, ThermalKind::OutletTemperature, 880);
    t.stages[0].inletGiven = false;
    auto r = Solve(t);
    ASSERT_EQ(r->solvedCount, 1);
    EXPECT_NEAR(r->stages[0].dutyJ, 254.0e3, 60);
    EXPECT_EQ(r->stages[0].inletKelvin, 520 + StandardKelvinOffset);

    // The adiabatic pre-reformer of natural gas at 30 bar from 490 C: the outlet lies
    // where the duty of a stage at a fixed outlet temperature changes sign.
    t.feed = {{91.5, 2.75, 2.5, 1.25, 0.5, 0, 1.5, 0, 0}};
    t.feedTemperatureC = t.steamTemperatureC = 380;
    t.stages[0] = ExampleStage(StageKind::Prereformer, 490, 30, ThermalKind::Adiabatic);
    r = Solve(t);
    ASSERT_EQ(r->solvedCount, 1);
    const double outletC = r->stages[0].outletKelvin - StandardKelvinOffset;
    EXPECT_LT(outletC, 490); // heavier hydrocarbons reformed, net endothermic at S/C 3
    EXPECT_GT(outletC, 400);
    for (double offset : {-0.01, 0.01}) {
        TrainCase fixed = t;
        fixed.stages[0].thermal = ThermalKind::OutletTemperature;
        fixed.stages[0].outletTemperatureC = outletC + offset;
        const auto f = Solve(fixed);
        EXPECT_GT(f->stages[0].dutyJ * offset, 0) << offset;
    }
    // The gas leaves with no ethane, propane or butane: all counted as methane.
    EXPECT_EQ(r->stages[0].outlet.amounts[static_cast<int>(Species::C2H6)], 0.0);

    // Hydrogen capacity: the feed follows by scaling.
    const TrainCase h = HydrogenPlantExample();
    r = Solve(h);
    const double h2 = r->stages[h.stageCount - 1].outlet.amounts[H2];
    EXPECT_NEAR(r->feedKmolH * h2 * NormalCubicMetresPerKmol, h.capacity, 1e-9 * h.capacity);
}

TEST(Train, AStageThatCannotBeSolvedSaysWhyAndStopsTheTrain) {
    struct Case {
        const char* name;
        int stage;
        StageFailure failure;
        void (*spoil)(TrainCase&);
    };
    const Case cases[] = {
        {"target beyond reach", 2, StageFailure::TargetUnreachable,
         [](TrainCase& t) { t.stages[2].oxidant.value = 1e4; }},
        {"temperature target below the inlet", 2, StageFailure::TargetUnreachable,
         [](TrainCase& t) {
             t.stages[2].oxidant.amountKind = OxidantAmountKind::OutletTemperature;
             t.stages[2].oxidant.value = 300;
         }},
        {"cooled below 200 C", 1, StageFailure::OutletBelowRange,
         [](TrainCase& t) {
             t.stages[1].thermal = ThermalKind::Duty;
             t.stages[1].dutyKw = -5e5;
         }},
        {"heated above 1600 C", 0, StageFailure::OutletAboveRange,
         [](TrainCase& t) {
             t.stages[0].thermal = ThermalKind::Duty;
             t.stages[0].dutyKw = 5e5;
         }},
        {"duty with hydrogen capacity", 0, StageFailure::DutyWithoutFeedFlow,
         [](TrainCase& t) {
             t.capacityKind = CapacityKind::HydrogenNm3H;
             t.stages[0].thermal = ThermalKind::Duty;
         }},
    };
    for (const Case& c : cases) {
        TrainCase t = AmmoniaFrontEndExample();
        c.spoil(t);
        const auto r = Solve(t);
        EXPECT_EQ(r->solvedCount, c.stage) << c.name;
        EXPECT_EQ(r->stages[c.stage].failure, c.failure) << c.name;
        for (int i = c.stage + 1; i < t.stageCount; ++i) {
            EXPECT_EQ(r->stages[i].failure, StageFailure::NotComputed) << c.name;
        }
    }
}

} // namespace
} // namespace quorvel
