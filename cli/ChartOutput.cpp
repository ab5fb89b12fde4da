#include "cli/ChartOutput.h"

#include <QFile>
#include <QSize>

#include "chart/CarbonLimitChartView.h"
#include "chart/ChartPicture.h"

namespace quorvel {

bool WriteChartPicture(const Engine& engine, const SweepOptions& options, QString* errorMessage) {
    const ResultSeries& r = engine.resultSeries;
    const CurveData curves{r.XValue, r.CH4, r.CO, r.CO2, r.H2, r.H2toCO, r.CO2toCO, r.LastIndex};
    return SaveChartPicture(QFile::decodeName(options.chartFile.value_or(std::string()).c_str()),
                            QSize(options.chartWidth, options.chartHeight), options.YAxisMode,
                            options.XAxisMode, curves, errorMessage);
}

bool WriteCarbonLimitPicture(const CarbonLimitTable& table, const SweepOptions& options,
                             QString* errorMessage) {
    double temperature[CarbonLimitSettings::TemperatureCount];
    double ratio[CarbonLimitSettings::TemperatureCount];
    bool aboveRange[CarbonLimitSettings::TemperatureCount];
    for (int i = 0; i < table.count; ++i) {
        temperature[i] = table.rows[i].temperature;
        ratio[i] = table.rows[i].limit.ratio;
        aboveRange[i] = table.rows[i].limit.kind == CarbonLimitKind::AboveRange;
    }
    return SaveCarbonLimitPicture(
        QFile::decodeName(options.chartFile.value_or(std::string()).c_str()),
        QSize(options.chartWidth, options.chartHeight),
        {temperature, ratio, aboveRange, table.count}, errorMessage);
}

} // namespace quorvel
