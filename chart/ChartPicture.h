#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "chart/ReformingChartView.h"

namespace quorvel {

// Draws the chart of one sweep off-screen exactly as the main window shows it at that
// size and returns it encoded as PNG. Needs a QGuiApplication (for the fonts). On
// failure returns an empty array and, if reason is given, a Russian reason.
QByteArray ChartPicturePng(QSize size, int YAxisMode, int XAxisMode, const CurveData& data,
                           QString* reason);

} // namespace quorvel
