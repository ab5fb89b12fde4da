#pragma once

#include <QSize>
#include <QString>

#include "chart/ReformingChartView.h"

namespace quorvel {

// Draws the chart of one sweep off-screen exactly as the main window shows it and
// saves it as PNG; false and a message naming the file on failure. Needs a
// QGuiApplication (for the fonts); the file is replaced only when complete.
bool SaveChartPicture(const QString& fileName, QSize size, int YAxisMode, int XAxisMode,
                      const CurveData& data, QString* errorMessage);

// Draws any chart off-screen, two passes as on the screen, and saves it the same way.
bool SaveChartModelPicture(const ChartModel& model, const QString& fileName, QSize size,
                           QString* errorMessage);

} // namespace quorvel
