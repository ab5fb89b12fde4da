#include "cli/ChartOutput.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSize>

#include "chart/ChartPicture.h"
#include "report/OutputFile.h"

namespace quorvel {

bool WriteChartPicture(const Engine& engine, const SweepOptions& options, QString* errorMessage) {
    const ResultSeries& r = engine.resultSeries;
    const CurveData curves{r.XValue, r.CH4, r.CO, r.CO2, r.H2, r.H2toCO, r.CO2toCO, r.LastIndex};
    const QByteArray name(options.chartFile.value_or(std::string()).c_str());
    QString reason;
    const QByteArray png = ChartPicturePng(QSize(options.chartWidth, options.chartHeight),
                                           options.YAxisMode, options.XAxisMode, curves, &reason);
    if (png.isEmpty()) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Не удалось нарисовать диаграмму для «%1»: %2.")
                                .arg(QDir::toNativeSeparators(QFile::decodeName(name)), reason);
        return false;
    }
    return WriteOutputFile(name, png, errorMessage);
}

} // namespace quorvel
