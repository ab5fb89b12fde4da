#include "ui/main/CarbonBands.h"

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

QString CarbonBandNote() {
    return QStringLiteral("Серая полоса — возможно выпадение углерода");
}

void ShowCarbonBandNote(ChartModel& model, bool show) {
    TChartTitle& foot = model.Foot();
    if (show) {
        foot.SetFont(ChartFont{QStringLiteral("Arial"), 11, false, false, QColor(64, 64, 64)});
        foot.SetText({CarbonBandNote()});
    } else {
        foot.ClearText();
    }
}

} // namespace quorvel
