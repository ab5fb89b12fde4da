#include "ui/ReadoutFigures.h"

#include <QString>

#include <algorithm>

namespace quorvel {

std::vector<ReadoutFigure> ReadoutFigures(const Engine& engine, double x) {
    const ResultSeries& r = engine.resultSeries;
    const int lastIndex = std::min(r.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i) {
        if (r.XValue[i] != x)
            continue;
        const ReformerFigures& f = engine.figures;
        return {
            {QStringLiteral("Конверсия метана"), f.MethaneConversion[i], 4},
            {QStringLiteral("Пар/углерод"), f.SteamToCarbon[i], 2},
            {QStringLiteral("Теплота процесса, кДж/моль"), f.HeatDuty[i], 2},
        };
    }
    return {};
}

} // namespace quorvel
