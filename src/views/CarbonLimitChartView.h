#pragma once

#include <QSize>
#include <QString>

#include "views/ChartPicture.h"

namespace quorvel {

class ChartModel;

// The curve of the minimum steam ratio against temperature, entries 0..count - 1.
struct LimitCurveData {
    const double* temperature; // degrees C, ascending
    const double* ratio;       // minimum steam ratio where found (0 where none is needed)
    // True where carbon still forms at the top of the ratio range: no point is drawn
    // there, and the stretch of those temperatures is shaded.
    const bool* aboveRange;
    int count;
};

// The limit window's chart: the main chart's look, titled "Граница выпадения углерода",
// one black curve on a temperature axis, no legend.
void ConfigureCarbonLimitChart(ChartModel& model);

// Reloads the curve and the shaded stretches.
void CarbonLimitChartDisplay(ChartModel& model, const LimitCurveData& data);

// The same chart off-screen, encoded as PNG or SVG; empty with a Russian reason on
// failure.
QByteArray CarbonLimitPicture(QSize size, const LimitCurveData& data, ChartPictureFormat format,
                              QString* reason);

} // namespace quorvel
