#include "report/CsvLines.h"

#include <algorithm>
#include <cmath>

#include "engine/CarbonActivity.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

// The reformer figures of point i at full precision; an undefined figure is empty.
void AppendFigureFields(const ReformerFigures& figures, int i, QStringList& fields) {
    for (const double* column :
         {figures.MethaneConversion, figures.H2Yield, figures.SteamToCarbon, figures.HeatDuty})
        fields << (std::isfinite(column[i]) ? ShortestNumber(column[i]) : QString());
}

// Both carbon activities of point i at full precision ("inf" for an infinite one) and
// carbon_forms, 1 where the larger exceeds 1; three empty fields without a physical
// composition.
void AppendCarbonFields(const CarbonSeries& carbon, int i, QStringList& fields) {
    if (!carbon.Known[i]) {
        fields << QString() << QString() << QString();
        return;
    }
    const CarbonActivity activity{carbon.Cracking[i], carbon.Boudouard[i]};
    fields << ShortestNumber(activity.cracking) << ShortestNumber(activity.boudouard)
           << (CarbonCanForm(activity) ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

QStringList CsvLines(const Engine& engine, SweptParameter XAxisMode) {
    return CsvLines(engine, XAxisMode, ResultView::Dry);
}

QStringList CsvLines(const Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode) {
    // The wet view names the water too: the steam-to-dry-gas ratio follows from it.
    const bool water = YAxisMode == ResultView::Wet;
    QStringList lines;
    lines << ShownCsvColumn(engine, XAxisMode) +
                 (water ? QStringLiteral(",CH4,CO,CO2,H2,N2,H2O,")
                        : QStringLiteral(",CH4,CO,CO2,H2,N2,")) +
                 QStringLiteral("VolumeChange,H2toCO,CO2toCO,exact_root,physical,") +
                 QStringLiteral("methane_conversion,h2_yield,steam_to_carbon,heat_duty_kj_per_mol,"
                                "carbon_activity_cracking,carbon_activity_boudouard,carbon_forms");
    const ResultSeries& r = engine.resultSeries;
    const int lastIndex = std::min(r.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i) {
        // A point without a physical composition keeps its X value; its values are empty.
        const bool physical = engine.physicalRoot[i];
        QStringList fields;
        fields << RoundedGridNumber(r.XValue[i]);
        for (const double* column : {r.CH4, r.CO, r.CO2, r.H2, r.N2})
            fields << (physical ? ShortestNumber(column[i]) : QString());
        if (water)
            fields << (physical ? ShortestNumber(engine.wetWater[i]) : QString());
        for (const double* column : {r.VolumeChange, r.H2toCO, r.CO2toCO})
            fields << (physical ? ShortestNumber(column[i]) : QString());
        fields << (engine.exactRoot[i] ? QStringLiteral("1") : QStringLiteral("0"));
        fields << (physical ? QStringLiteral("1") : QStringLiteral("0"));
        AppendFigureFields(engine.figures, i, fields);
        AppendCarbonFields(engine.carbonSeries, i, fields);
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

} // namespace quorvel
