#include "ui/CarbonBands.h"

#include <algorithm>

#include "engine/CarbonActivity.h"

namespace quorvel {

std::vector<ChartXBand> CarbonFormationBands(const Engine& engine) {
    const int count = std::min(engine.resultSeries.LastIndex, ResultCapacity - 1) + 1;
    bool forms[ResultCapacity] = {};
    const CarbonSeries& carbon = engine.carbonSeries;
    for (int i = 0; i < count; ++i)
        forms[i] = carbon.Known[i] && CarbonCanForm({carbon.Cracking[i], carbon.Boudouard[i]});
    return XBandsAroundPoints(engine.resultSeries.XValue, forms, std::max(count, 0));
}

} // namespace quorvel
