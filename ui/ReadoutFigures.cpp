#include "ui/ReadoutFigures.h"

#include <QString>

#include <algorithm>
#include <limits>

namespace quorvel {

std::vector<ReadoutFigure> ReadoutFigures(const Engine& engine, double x) {
    const ResultSeries& r = engine.resultSeries;
    const int lastIndex = std::min(r.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i) {
        if (r.XValue[i] != x)
            continue;
        const ReformerFigures& f = engine.figures;
        const CarbonSeries& c = engine.carbonSeries;
        // The larger of the two activities decides whether carbon can form (above 1).
        const double carbon = c.Known[i] ? std::max(c.Cracking[i], c.Boudouard[i])
                                         : std::numeric_limits<double>::quiet_NaN();
        return {
            {QStringLiteral("Конверсия метана"), f.MethaneConversion[i], 4},
            {QStringLiteral("Пар/углерод"), f.SteamToCarbon[i], 2},
            {QStringLiteral("Теплота процесса, кДж/моль"), f.HeatDuty[i], 2},
            {QStringLiteral("Активность углерода"), carbon, 3},
        };
    }
    return {};
}

} // namespace quorvel
