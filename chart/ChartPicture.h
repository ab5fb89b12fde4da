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

// Draws any chart off-screen as the window would at that size, encoded as PNG; the
// same failures as ChartPicturePng.
QByteArray ChartModelPicturePng(const ChartModel& model, QSize size, QString* reason);

} // namespace quorvel
