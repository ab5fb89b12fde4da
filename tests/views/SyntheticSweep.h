#pragma once

#include "views/ReformingChartView.h"

#include <cmath>

namespace quorvel {

// 77 points of each curve, shaped like a steam-ratio sweep of the dry gas; used by the
// chart's pixel tests and its drawing benchmark.
struct SyntheticSweep {
    double x[77], ch4[77], co[77], co2[77], h2[77], h2toco[77], co2toco[77];
    SyntheticSweep() {
        for (int i = 0; i < 77; ++i) {
            x[i] = 0.2 + i * 0.05;
            ch4[i] = 0.5 * std::exp(-x[i]);
            co[i] = 0.12 + 0.04 * std::sin(x[i]);
            co2[i] = 0.02 * x[i];
            h2[i] = 0.75 - 0.35 * std::exp(-x[i]);
            h2toco[i] = h2[i] / co[i];
            co2toco[i] = co2[i] / co[i];
        }
    }
    CurveData Data() const { return {x, ch4, co, co2, h2, h2toco, co2toco, 76}; }
};

} // namespace quorvel
