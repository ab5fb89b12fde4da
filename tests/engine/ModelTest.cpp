// Feed preparation and the equilibrium model against the worked examples.

#include "EngineTestSupport.h"
#include "engine/EquilibriumModel.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::DefaultEngine;
using testing::SetFeed;

TEST(FeedPreparation, TotalsOfTheExampleFeeds) {
    Engine engine;
    InitialSetData(engine);
    const FeedTotals& t = engine.feedTotals;
    EXPECT_EQ(engine.feedComposition.CH4(), 100);
    EXPECT_EQ(t.C, 1);
    EXPECT_EQ(t.CO + t.CO2 + t.H2 + t.N2 + t.H2O, 0);

    SetFeed(engine, {90, 5, 0, 0, 5, 0, 0, 0, 0});
    EXPECT_DOUBLE_EQ(t.C, 1.0);
    EXPECT_DOUBLE_EQ(t.H2, -0.05);
    EXPECT_DOUBLE_EQ(t.N2, 0.05);
    EXPECT_DOUBLE_EQ(t.C + t.CO + t.CO2 + t.H2 + t.N2 + t.H2O, 1.0);

    SetFeed(engine, {0, 100, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(t.C, 2);
    EXPECT_EQ(t.H2, -1);

    // Butane takes three hydrogen and gives four methane; the other gases pass through.
    SetFeed(engine, {10, 0, 0, 10, 20, 15, 25, 12, 8});
    EXPECT_DOUBLE_EQ(t.C, 0.5);
    EXPECT_DOUBLE_EQ(t.H2, -0.18);
    EXPECT_DOUBLE_EQ(t.CO, 0.15);
    EXPECT_DOUBLE_EQ(t.CO2, 0.25);
    EXPECT_DOUBLE_EQ(t.N2, 0.2);
    EXPECT_DOUBLE_EQ(t.H2O, 0.08);
}

TEST(EquilibriumModel, ConstantsAtTheTabulatedTemperatures) {
    Engine engine;
    const double expected[3][3] = {
        {1023, 43.4598, 1.18399}, {1133, 534.799, 0.767445}, {1273, 6968.31, 0.492558}};
    for (const auto& row : expected) {
        ComputeConstants(engine, row[0]);
        EXPECT_NEAR(engine.processConditions.K1 / row[1], 1, 1e-5) << row[0];
        EXPECT_NEAR(engine.processConditions.K2 / row[2], 1, 1e-5) << row[0];
    }
}

// The default start: pure methane, s = 2.5, P = 25 atm, 1133 K.
std::unique_ptr<Engine> DefaultPoint() {
    auto engine = DefaultEngine();
    engine->processConditions.Ratio = 2.5;
    engine->processConditions.Pressure = 25;
    engine->processConditions.Temperature = 1133;
    ComputeConstants(*engine, 1133);
    return engine;
}

TEST(EquilibriumModel, ResidualsAtTheStartAndAtTheRoot) {
    auto engine = DefaultPoint();
    double residuals[2] = {};
    std::uint8_t ok = 0;
    const double start[2] = {0.3, 0.1};
    EvaluateResiduals(*engine, 1, residuals, start, ok);
    EXPECT_EQ(ok, 1);
    EXPECT_NEAR(residuals[0], -20939.71, 0.005);
    EXPECT_NEAR(residuals[1], -11.1705, 0.00005);

    // At the six-decimal root both residuals are tiny beside their terms.
    const double root[2] = {0.514176, 0.238491};
    EvaluateResiduals(*engine, 1, residuals, root, ok);
    EXPECT_LT(std::fabs(residuals[0]), 0.5);  // terms of about 8000 atm^4
    EXPECT_LT(std::fabs(residuals[1]), 1e-3); // terms of about 10 atm^2

    // Any other mode leaves the buffer and the flag exactly as they were.
    double untouched[2] = {7, 8};
    std::uint8_t flag = 0;
    EvaluateResiduals(*engine, 2, untouched, start, flag);
    EvaluateResiduals(*engine, 0, untouched, start, flag);
    EXPECT_EQ(untouched[0], 7);
    EXPECT_EQ(untouched[1], 8);
    EXPECT_EQ(flag, 0);
}

TEST(EquilibriumModel, CompositionOnBothBasesAtTheRoot) {
    auto engine = DefaultPoint();
    const double x = 0.514176, y = 0.238491;
    const PointComposition& pc = engine->pointComposition;

    const double dryChange = ComputeComposition(*engine, x, y, true);
    EXPECT_NEAR(pc.CH4, 0.0707, 5e-5);
    EXPECT_NEAR(pc.CO, 0.1471, 5e-5);
    EXPECT_NEAR(pc.CO2, 0.0682, 5e-5);
    EXPECT_NEAR(pc.H2, 0.7140, 5e-5);
    EXPECT_EQ(pc.N2, 0);
    EXPECT_NEAR(dryChange, 3.4965, 5e-5);
    EXPECT_NEAR(pc.CH4 + pc.CO + pc.CO2 + pc.H2 + pc.N2, 1, 1e-15);
    const double dryH2toCO = pc.H2 / pc.CO;
    EXPECT_NEAR(dryH2toCO, 4.8553, 5e-5);
    EXPECT_NEAR(pc.CO2 / pc.CO, 0.4638, 5e-5);

    const double wetChange = ComputeComposition(*engine, x, y, false);
    EXPECT_NEAR(pc.CH4, 0.0494, 5e-5);
    EXPECT_NEAR(pc.CO, 0.1027, 5e-5);
    EXPECT_NEAR(pc.CO2, 0.0476, 5e-5);
    EXPECT_NEAR(pc.H2, 0.4988, 5e-5);
    EXPECT_NEAR(wetChange, 1.4301, 5e-5);
    EXPECT_NEAR(pc.H2 / pc.CO, dryH2toCO, 1e-12);
}

TEST(EquilibriumModel, BoundsAndConstraint) {
    auto engine = DefaultEngine();
    double lower[2], upper[2];
    SetVariableBounds(*engine, lower, upper);
    EXPECT_EQ(lower[0], 0);
    EXPECT_EQ(upper[0], 1);
    EXPECT_EQ(lower[1], 0);
    EXPECT_EQ(upper[1], 1);

    SetFeed(*engine, {70, 0, 0, 0, 0, 10, 20, 0, 0});
    SetVariableBounds(*engine, lower, upper);
    EXPECT_DOUBLE_EQ(lower[0], -0.1);
    EXPECT_DOUBLE_EQ(upper[0], 1.2);
    EXPECT_DOUBLE_EQ(lower[1], -0.2);
    EXPECT_DOUBLE_EQ(upper[1], 1.1);

    double value[1];
    const double onIt[2] = {0.25, 0.75};
    EvaluateConstraint(*engine, 1, onIt, value);
    EXPECT_EQ(value[0], 0); // x + y = 1 is allowed
    const double beyond[2] = {0.25, 0.7500000001};
    EvaluateConstraint(*engine, 1, beyond, value);
    EXPECT_GT(value[0], 0);
}

} // namespace
} // namespace quorvel
