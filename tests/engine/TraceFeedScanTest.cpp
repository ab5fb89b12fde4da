// Lean and trace feeds over every sweep, down to 1e-300 % of a component: each point whose
// domain of positive amounts is not empty stores the root, equal to an extended-precision
// root found here to 1e-9 in every stored value, unless an amount of that root lies below
// the range of doubles; each point whose domain is empty, or whose root is out of reach,
// is marked as having none. The direct path stores the same, bit for bit.

#include "EngineTestSupport.h"
#include "engine/RootRefinement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using LD = long double;

// The equations of one point in long double, with the element balances in place of the
// extents, and the wet total of the equilibrium 1 + s + 2(x + y), the feed gas being one
// mole.
struct Reference {
    LD c, a, b, h, m, w, s;
    LD lnK1, lnK2, lnP;
    LD elements[3];

    Reference(const FeedTotals& f, const testing::PointConditions& pc)
        : c(f.C), a(f.CO), b(f.CO2), h(f.H2), m(f.N2), w(f.H2O), s(pc.ratio),
          lnK1(-26448.20607L / pc.kelvin + 29.62541L), lnK2(4568.56322L / pc.kelvin - 4.29696L),
          lnP(std::log(LD(pc.pressure))) {
        elements[0] = c + a + b;
        elements[1] = 4 * c + 2 * h + 2 * (s + w);
        elements[2] = a + 2 * b + s + w;
    }

    // Amounts of methane, CO, CO2, hydrogen and water at u = x + y and y.
    void Amounts(LD u, LD y, LD* n) const {
        n[0] = c - u;
        n[1] = a + u - y;
        n[2] = b + y;
        n[3] = h + 3 * u + y;
        n[4] = s + w - u - y;
    }

    bool URange(LD& low, LD& high) const {
        low = std::max({-a - b, -(a + h) / 4, -(h + s + w) / 2});
        high = std::min(c, s + w + b);
        return low < high;
    }

    // A feed with a trace below 1e-10 of a mole: a trace amount that a balance sets beside
    // a large one (the hydrogen of a trace of methane in steam) is then held by the
    // reference only to that balance's rounding, about 1e-19 of the large one, no longer
    // to 1e-9 of itself.
    bool BeyondReach() const {
        for (const LD v : {c, a, b, h, m, w}) {
            if (v != 0 && std::fabs(v) < 1e-10L) {
                return true;
            }
        }
        return false;
    }

    // The domain of positive amounts is not empty exactly when the range of u is not.
    bool DomainNotEmpty() const {
        LD low, high;
        return URange(low, high);
    }

    LD Total(const LD* n) const { return 1 + s + 2 * (c - n[0]); }

    // Nested bisection, good enough to start Newton's method. An amount at or below zero
    // (a trace amount lost in rounding) counts as an infinite residual of its sign, and
    // starts Newton's method from a value tiny beside the smallest element total.
    void Start(LD* n) const {
        const auto sign = [](LD up, LD down) {
            if (!(up > 0) || !(down > 0)) {
                return up > 0 ? LD(1) : LD(-1);
            }
            return std::log(up / down);
        };
        LD uLow, uHigh;
        URange(uLow, uHigh);
        for (int i = 0; i < 70; ++i) {
            const LD u = (uLow + uHigh) / 2;
            LD yLow = std::max(-b, -h - 3 * u), yHigh = std::min(a + u, s + w - u);
            for (int j = 0; j < 70; ++j) {
                const LD y = (yLow + yHigh) / 2;
                Amounts(u, y, n);
                const LD up = std::min(n[2], n[3]) > 0 ? n[2] * n[3] : -1;
                const LD down = std::min(n[1], n[4]) > 0 ? n[1] * n[4] : -1;
                const LD shift = sign(up, down) - (up > 0 && down > 0 ? lnK2 : 0);
                (shift < 0 ? yLow : yHigh) = y;
            }
            Amounts(u, (yLow + yHigh) / 2, n);
            const LD up = std::min(n[1], n[3]) > 0 ? n[1] * n[3] * n[3] * n[3] : -1;
            const LD down = std::min(n[0], n[4]) > 0 ? n[0] * n[4] : -1;
            const LD reforming = up > 0 && down > 0
                                     ? std::log(up / down) + 2 * (lnP - std::log(Total(n))) - lnK1
                                     : sign(up, down);
            (reforming < 0 ? uLow : uHigh) = u;
        }
        const LD floor = 1e-60L * std::min({elements[0], elements[1], elements[2]});
        for (int k = 0; k < 5; ++k) {
            n[k] = std::max(n[k], floor);
        }
    }

    // Newton's method on the logarithms of the five amounts.
    bool Solve(LD* z) const {
        static constexpr LD reforming[5] = {-1, 1, 0, 3, -1};
        static constexpr LD shift[5] = {0, -1, 1, 1, -1};
        static constexpr LD atoms[3][5] = {{1, 1, 1, 0, 0}, {4, 0, 0, 2, 2}, {0, 1, 2, 0, 1}};
        bool last = false;
        LD size = 1;
        for (int iteration = 0; iteration < 100; ++iteration) {
            LD n[5], J[5][6];
            for (int k = 0; k < 5; ++k) {
                n[k] = std::exp(z[k]);
            }
            const LD total = Total(n);
            if (!(total > 0)) {
                return false;
            }
            J[0][5] = -(2 * (lnP - std::log(total)) - lnK1);
            J[1][5] = lnK2;
            for (int k = 0; k < 5; ++k) {
                J[0][5] -= reforming[k] * z[k];
                J[1][5] -= shift[k] * z[k];
                J[0][k] = reforming[k] + (k == 0 ? 4 * n[0] / total : 0);
                J[1][k] = shift[k];
            }
            for (int e = 0; e < 3; ++e) {
                LD sum = 0;
                for (int k = 0; k < 5; ++k) {
                    J[2 + e][k] = atoms[e][k] * n[k] / elements[e];
                    sum += atoms[e][k] * n[k];
                }
                J[2 + e][5] = 1 - sum / elements[e];
            }
            if (last) {
                return true;
            }
            // Gauss-Jordan with partial pivoting on the augmented matrix.
            for (int col = 0; col < 5; ++col) {
                int pivot = col;
                for (int row = col + 1; row < 5; ++row) {
                    if (std::fabs(J[row][col]) > std::fabs(J[pivot][col])) {
                        pivot = row;
                    }
                }
                std::swap(J[pivot], J[col]);
                for (int row = 0; row < 5; ++row) {
                    if (row != col) {
                        const LD factor = J[row][col] / J[col][col];
                        for (int k = col; k < 6; ++k) {
                            J[row][k] -= factor * J[col][k];
                        }
                    }
                }
            }
            size = 0;
            for (int k = 0; k < 5; ++k) {
                size = std::max(size, std::fabs(J[k][5] / J[k][k]));
            }
            if (!std::isfinite(size)) {
                return false;
            }
            const LD scale = size > 20 ? 20 / size : 1;
            for (int k = 0; k < 5; ++k) {
                z[k] += scale * J[k][5] / J[k][k];
            }
            // The balances carry a rounding of about 1e-19 of their totals, which a trace
            // amount sees magnified; well below the 1e-9 checked.
            last = size < 1e-11L;
        }
        // A trace amount that a balance sets, beside a large one, stays at the noise floor
        // of that balance (a few 1e-10 at worst here), still well inside 1e-9.
        return size < 1e-9L;
    }

    // The eight stored values of the root z on the chosen basis, as the model defines them.
    void Stored(const LD* z, bool dry, LD* values) const {
        LD n[5];
        for (int k = 0; k < 5; ++k) {
            n[k] = std::exp(z[k]);
        }
        // The totals as sums of the amounts: the feed totals add up to 1 only to the
        // rounding of their doubles, which the dry total of a feed of nearly pure water
        // (a few times 1e-8) would show.
        const LD dryTotal = n[0] + n[1] + n[2] + n[3] + m;
        const LD total = dry ? dryTotal : dryTotal + n[4];
        values[0] = n[0] / total;
        values[1] = n[1] / total;
        values[2] = n[2] / total;
        values[3] = n[3] / total;
        values[4] = m / total;
        values[5] = dry ? total : total / (1 + s);
        values[6] = n[3] / n[1];
        values[7] = n[2] / n[1];
    }
};

struct ScanFigures {
    int points = 0;
    int exact = 0;
    int marked = 0;
    int outOfReach = 0;        // marked where the reference cannot check the root
    int beyondReference = 0;   // a positive root where the reference cannot check it
    int equilibriaChecked = 0; // of those, checked by their equilibria
    int missed = 0;
};

// A point of a feed beyond the reference: either marked, or a root with every stored
// value positive whose equilibria hold, with water from the oxygen balance wherever water
// is not itself a trace (it is then that balance's difference of large terms).
::testing::AssertionResult CheckBeyondReference(const Engine& engine, int i, bool dry,
                                                const Reference& ref, const std::string& at,
                                                ScanFigures& figures) {
    const ResultSeries& r = engine.resultSeries;
    if (!engine.physicalRoot[i] && !engine.exactRoot[i]) {
        ++figures.outOfReach;
        return ::testing::AssertionSuccess();
    }
    const double stored[6] = {r.CH4[i], r.CO[i], r.CO2[i], r.H2[i], r.N2[i], r.VolumeChange[i]};
    bool positive = engine.physicalRoot[i] && engine.exactRoot[i];
    for (int k = 0; k < 6; ++k) {
        positive = positive && std::isfinite(stored[k]) && (stored[k] > 0 || k == 4);
    }
    if (!positive) {
        ++figures.missed;
        return ::testing::AssertionFailure() << at << ": neither marked nor a positive root";
    }
    ++figures.beyondReference;
    const LD total = dry ? LD(stored[5]) : LD(stored[5]) * (1 + ref.s);
    LD n[4];
    for (int k = 0; k < 4; ++k) {
        n[k] = LD(stored[k]) * total;
    }
    const LD water = ref.elements[2] - n[1] - 2 * n[2];
    if (!(water > 1e-3L * ref.elements[2])) {
        return ::testing::AssertionSuccess();
    }
    const LD wet = dry ? total + water : total;
    const LD shift = std::log(n[2]) + std::log(n[3]) - std::log(n[1]) - std::log(water) - ref.lnK2;
    const LD reforming = std::log(n[1]) + 3 * std::log(n[3]) - std::log(n[0]) - std::log(water) +
                         2 * (ref.lnP - std::log(wet)) - ref.lnK1;
    if (std::fabs(shift) > 1e-9L || std::fabs(reforming) > 1e-9L) {
        ++figures.missed;
        return ::testing::AssertionFailure()
               << at << ": equilibria off by " << double(reforming) << " and " << double(shift);
    }
    ++figures.equilibriaChecked;
    return ::testing::AssertionSuccess();
}

// Checks every point of the engine's last run against the reference: the first point
// that disagrees, with its conditions and values, or success.
::testing::AssertionResult CheckRun(const Engine& engine, int XAxisMode, bool dry,
                                    const std::string& where, ScanFigures& figures) {
    const ResultSeries& r = engine.resultSeries;
    LD z[5];
    bool havePrevious = false;
    for (int i = 0; i <= r.LastIndex; ++i) {
        ++figures.points;
        const testing::PointConditions pc = testing::ConditionsOfPoint(engine, XAxisMode, i);
        const Reference ref(engine.feedTotals, pc);
        std::ostringstream at;
        at << where << " X " << r.XValue[i];
        if (!ref.DomainNotEmpty()) {
            havePrevious = false;
            if (!engine.physicalRoot[i] && !engine.exactRoot[i]) {
                ++figures.marked;
            } else {
                ++figures.missed;
                return ::testing::AssertionFailure()
                       << at.str() << ": no positive composition, yet not marked";
            }
            continue;
        }
        if (ref.BeyondReach()) {
            havePrevious = false;
            ::testing::AssertionResult holds =
                CheckBeyondReference(engine, i, dry, ref, at.str(), figures);
            if (!holds) {
                return holds;
            }
            continue;
        }
        if (!havePrevious || !ref.Solve(z)) {
            LD n[5];
            ref.Start(n);
            for (int k = 0; k < 5; ++k) {
                z[k] = std::log(n[k]);
            }
            if (!ref.Solve(z)) {
                return ::testing::AssertionFailure() << at.str() << ": the reference found no root";
            }
        }
        havePrevious = true;
        LD expected[8];
        ref.Stored(z, dry, expected);
        const double stored[8] = {r.CH4[i], r.CO[i],           r.CO2[i],    r.H2[i],
                                  r.N2[i],  r.VolumeChange[i], r.H2toCO[i], r.CO2toCO[i]};
        bool agrees = engine.physicalRoot[i] && engine.exactRoot[i];
        for (int k = 0; k < 8; ++k) {
            agrees = agrees && std::fabs(stored[k] - expected[k]) <= 1e-9L * std::fabs(expected[k]);
        }
        if (agrees) {
            ++figures.exact;
        } else {
            ++figures.missed;
            std::ostringstream values;
            values.precision(17);
            for (int k = 0; k < 8; ++k) {
                values << " " << stored[k] << "/" << double(expected[k]);
            }
            return ::testing::AssertionFailure()
                   << at.str() << ": exact " << engine.exactRoot[i] << " physical "
                   << engine.physicalRoot[i] << "; stored/reference" << values.str();
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<std::vector<double>> ScanFeeds() {
    std::vector<std::vector<double>> feeds;
    // Methane from 1e-6 % to 10 % in each of nitrogen, water, CO2, hydrogen and CO.
    const int diluents[] = {4, 8, 6, 7, 5};
    const double methane[] = {1e-300, 1e-80, 1e-50, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 0.1, 1, 10};
    for (const int d : diluents) {
        for (const double ch4 : methane) {
            std::vector<double> feed(FeedComponentCount, 0);
            feed[0] = ch4;
            feed[d] = 100 - ch4;
            feeds.push_back(feed);
        }
    }
    // Small amounts of every other component in methane.
    for (int other = 1; other < FeedComponentCount; ++other) {
        for (const double amount : {1e-300, 1e-6, 1e-3, 1.0}) {
            std::vector<double> feed(FeedComponentCount, 0);
            feed[other] = amount;
            feed[0] = 100 - amount;
            feeds.push_back(feed);
        }
    }
    // Heavy hydrocarbons alone: at low steam no composition has every amount positive.
    for (const int heavy : {1, 2}) {
        std::vector<double> feed(FeedComponentCount, 0);
        feed[heavy] = 100;
        feeds.push_back(feed);
    }
    return feeds;
}

TEST(TraceFeedScan, EveryPhysicalRootIsFoundAndEveryOtherPointIsMarked) {
    const double temperatures[] = {300, 700, 980};
    const double pressures[] = {1, 30};
    const double ratios[] = {0.2, 1, 5};
    ScanFigures figures;
    auto engine = testing::DefaultEngine();
    auto direct = testing::DefaultEngine();
    direct->solverPath = SolverPath::Direct;
    int run = 0;
    for (const std::vector<double>& feed : ScanFeeds()) {
        for (int k = 0; k < FeedComponentCount; ++k) {
            engine->feedComposition[k] = feed[k];
        }
        PreparationVar(*engine);
        direct->feedComposition = engine->feedComposition;
        PreparationVar(*direct);
        std::ostringstream name;
        name << "feed";
        for (const double v : feed) {
            name << " " << v;
        }
        const auto sweep = [&](int XAxisMode, double ratio, double temperature, double pressure) {
            const int YAxisMode = run++ % 3;
            for (Engine* e : {engine.get(), direct.get()}) {
                e->InputRatio = ratio;
                e->InputTemperature = temperature;
                e->processConditions.InputPressure = pressure;
                RunSweep(*e, quorvel::AllSweptParameters[XAxisMode],
                         quorvel::AllResultViews[YAxisMode]);
            }
            std::ostringstream where;
            where << name.str() << ", sweep " << XAxisMode << " at " << ratio << ", " << temperature
                  << " C, " << pressure << " atm";
            ::testing::AssertionResult same = testing::SameStoredPoints(*engine, *direct);
            if (!same) {
                return same << " at " << where.str();
            }
            return CheckRun(*engine, XAxisMode, YAxisMode == 0, where.str(), figures);
        };
        for (const double p : pressures) {
            for (const double t : temperatures) {
                ASSERT_TRUE(sweep(0, 1, t, p));
            }
            for (const double s : ratios) {
                ASSERT_TRUE(sweep(1, s, 700, p));
            }
        }
        for (const double t : temperatures) {
            for (const double s : ratios) {
                ASSERT_TRUE(sweep(2, s, t, 15));
            }
        }
    }
    std::cout << "scan: " << figures.points << " points, " << figures.exact << " exact, "
              << figures.marked << " marked, " << figures.outOfReach << " out of reach, "
              << figures.beyondReference << " beyond the reference (" << figures.equilibriaChecked
              << " checked by their equilibria), " << figures.missed << " missed\n";
    EXPECT_EQ(figures.missed, 0);
    EXPECT_EQ(figures.exact + figures.marked + figures.outOfReach + figures.beyondReference,
              figures.points);
    EXPECT_GT(figures.marked, 0);     // the heavy feeds at low steam
    EXPECT_GT(figures.outOfReach, 0); // the feeds of 1e-300 %
    EXPECT_GT(figures.equilibriaChecked, 0);
}

TEST(TraceFeedScan, TheBisectionFallbackFindsTheSameRoot) {
    // The earlier starts solve every point of the scan, so the last resort is checked on
    // its own: from the bisection's point, Newton's method reaches the stored root.
    auto engine = testing::DefaultEngine();
    int checked = 0;
    for (const std::vector<double>& feed : ScanFeeds()) {
        for (int k = 0; k < FeedComponentCount; ++k) {
            engine->feedComposition[k] = feed[k];
        }
        PreparationVar(*engine);
        for (const double t : {300.0, 980.0}) {
            engine->InputTemperature = t;
            engine->processConditions.InputPressure = t > 500 ? 1 : 30;
            RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Wet);
            for (const int i : {0, 40, 76}) {
                engine->processConditions.Ratio = engine->resultSeries.XValue[i];
                double amounts[5];
                const bool found = RootFromBisection(*engine, amounts);
                ASSERT_EQ(found, engine->physicalRoot[i]) << feed[0] << " " << t << " " << i;
                if (!found) {
                    continue;
                }
                ++checked;
                const double total = amounts[0] + amounts[1] + amounts[2] + amounts[3] +
                                     amounts[4] + engine->feedTotals.N2;
                const double stored[4] = {engine->resultSeries.CH4[i], engine->resultSeries.CO[i],
                                          engine->resultSeries.CO2[i], engine->resultSeries.H2[i]};
                for (int k = 0; k < 4; ++k) {
                    ASSERT_NEAR(amounts[k] / total, stored[k], 1e-10 * stored[k])
                        << feed[0] << " " << t << " " << i << " species " << k;
                }
            }
        }
    }
    EXPECT_GT(checked, 300);
}

TEST(TraceFeedScan, EveryRunPrintsTheSameValues) {
    // The solver's random draws differ from run to run; the stored root and the marks
    // must not, also where the root lies out of reach (1e-300 % methane: marked at every
    // point, on every run and every sweep).
    auto a = testing::DefaultEngine();
    auto b = testing::DefaultEngine();
    b->random.clock = +[]() -> std::uint32_t { return 98'765; };
    const double feeds[][FeedComponentCount] = {{0.01, 0, 0, 0, 99.99, 0, 0, 0, 0},
                                                {1e-300, 0, 0, 0, 100, 0, 0, 0, 0}};
    int marked = 0;
    for (const auto& feed : feeds) {
        for (const SweptParameter sweep : AllSweptParameters) {
            for (Engine* engine : {a.get(), b.get()}) {
                testing::SetFeed(*engine, feed);
                engine->InputTemperature = 980;
                engine->processConditions.InputPressure = 1;
                RunSweep(*engine, sweep, quorvel::ResultView::ProductRatios);
            }
            ASSERT_EQ(a->resultSeries.LastIndex, b->resultSeries.LastIndex);
            for (int i = 0; i <= a->resultSeries.LastIndex; ++i) {
                ASSERT_EQ(a->physicalRoot[i], b->physicalRoot[i]) << feed[0] << " point " << i;
                ASSERT_EQ(a->exactRoot[i], b->exactRoot[i]) << feed[0] << " point " << i;
                if (!a->physicalRoot[i]) {
                    ++marked;
                    continue;
                }
                ASSERT_EQ(a->resultSeries.CH4[i], b->resultSeries.CH4[i]) << "point " << i;
                ASSERT_EQ(a->resultSeries.N2[i], b->resultSeries.N2[i]) << "point " << i;
                ASSERT_EQ(a->resultSeries.H2toCO[i], b->resultSeries.H2toCO[i]) << "point " << i;
                ASSERT_EQ(a->resultSeries.VolumeChange[i], b->resultSeries.VolumeChange[i])
                    << "point " << i;
            }
        }
    }
    EXPECT_EQ(marked, 77 + 26 + 31);
    // The first example of the fault: 0.001 % methane in nitrogen, ratio 0.2, 700 C.
    testing::SetFeed(*a, {0.001, 0, 0, 0, 99.999, 0, 0, 0, 0});
    a->InputTemperature = 700;
    a->processConditions.InputPressure = 25;
    RunSweep(*a, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    EXPECT_TRUE(a->exactRoot[0]);
    EXPECT_NEAR(a->resultSeries.N2[0], 0.99995, 1e-5);
    EXPECT_GT(a->resultSeries.CH4[0], 0);
    EXPECT_LT(a->resultSeries.CH4[0], 1e-18);
    EXPECT_NEAR(a->resultSeries.VolumeChange[0], 1.0000, 1e-4);
}

} // namespace
} // namespace quorvel
