#include "cli/ChartOutput.h"

#include <QFile>
#include <QSize>

#include "chart/ChartPicture.h"

namespace quorvel {

bool WriteChartPicture(const Engine& engine, const SweepOptions& options, QString* errorMessage) {
    const ResultSeries& r = engine.resultSeries;
    const CurveData curves{
        r.XValue, r.CH4, r.CO, r.CO2, r.H2, r.H2toCO, r.CO2toCO, r.LastIndex, engine.physicalRoot};
    return SaveChartPicture(QFile::decodeName(options.chartFile.value_or(std::string()).c_str()),
                            QSize(options.chartWidth, options.chartHeight), options.YAxisMode,
                            options.XAxisMode, curves, errorMessage);
}

} // namespace quorvel
