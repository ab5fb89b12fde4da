#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "chart/ChartLayout.h"
#include "chart/OffscreenChart.h"
#include "views/ReformingChartView.h"

namespace quorvel {

// Draws the chart of one sweep off-screen exactly as the main window shows it at that
// size, encoded as PNG or SVG; the same failures as ChartModelPicture.
QByteArray ChartPicture(QSize size, const ReformingChartTexts& texts, const CurveData& data,
                        ChartPictureFormat format, QString* reason);

// The same as PNG.
QByteArray ChartPicturePng(QSize size, const ReformingChartTexts& texts, const CurveData& data,
                           QString* reason);

} // namespace quorvel
