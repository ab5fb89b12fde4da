#include "cli/ChartOutput.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSize>

#include "report/EnvelopeReport.h"
#include "report/OutputFile.h"
#include "views/CarbonLimitChartView.h"
#include "views/ChartPicture.h"
#include "views/MapChartView.h"
#include "views/SweepChart.h"

namespace quorvel {

namespace {

// Writes a drawn picture to --chart, or says why it could not be drawn or written.
bool WritePicture(const SweepOptions& options, const QByteArray& picture, const QString& reason,
                  QString* errorMessage) {
    const QByteArray name(options.chartFile.value_or(std::string()).c_str());
    if (picture.isEmpty()) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Не удалось нарисовать диаграмму для «%1»: %2.")
                                .arg(QDir::toNativeSeparators(QFile::decodeName(name)), reason);
        return false;
    }
    return WriteOutputFile(name, picture, errorMessage);
}

} // namespace

bool WriteChartPicture(const Engine& engine, const SweepOptions& options, QString* errorMessage) {
    QString reason;
    const ChartPictureFormat format =
        PictureFormatFor(QFile::decodeName(options.chartFile.value_or(std::string()).c_str()));
    return WritePicture(options,
                        ChartPicture(QSize(options.chartWidth, options.chartHeight),
                                     SweepChartTexts(engine, options.XAxisMode, options.YAxisMode),
                                     SweepCurves(engine), format, &reason),
                        reason, errorMessage);
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
    QString reason;
    const ChartPictureFormat format =
        PictureFormatFor(QFile::decodeName(options.chartFile.value_or(std::string()).c_str()));
    return WritePicture(options,
                        CarbonLimitPicture(QSize(options.chartWidth, options.chartHeight),
                                           {temperature, ratio, aboveRange, table.count}, format,
                                           &reason),
                        reason, errorMessage);
}

bool WriteMapPicture(const Engine& engine, MapFigure figure, const ReformingMap& map,
                     const SweepOptions& options, QString* errorMessage) {
    const MapGrid grid = MapGridOf(engine, figure, map);
    QString reason;
    const ChartPictureFormat format =
        PictureFormatFor(QFile::decodeName(options.chartFile.value_or(std::string()).c_str()));
    return WritePicture(
        options, MapPicture(QSize(options.chartWidth, options.chartHeight), grid, format, &reason),
        reason, errorMessage);
}

} // namespace quorvel
