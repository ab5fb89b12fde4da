#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "chart/ChartLayout.h"
#include "chart/ReformingChartView.h"

namespace quorvel {

class ChartModel;

enum class ChartPictureFormat { Png, Svg };

// SVG for a name ending in ".svg" (any case), PNG otherwise.
ChartPictureFormat PictureFormatFor(const QString& fileName);

// The chart drawn by the same painting code into an SVG document of the given size
// (one user unit a pixel), starting the layout from `memory`. Needs a QGuiApplication.
QByteArray ChartSvg(const ChartModel& model, QSize size, ChartLayoutMemory memory);

// Draws the chart at the given size and saves it as PNG or SVG by the file's name; the
// file is replaced only when complete. False and a message naming the file on failure.
// Needs a QGuiApplication (for the fonts).
bool WriteChartPicture(const QString& fileName, const ChartModel& model, QSize size,
                       ChartLayoutMemory memory, QString* errorMessage);

// Draws the chart of one sweep off-screen exactly as the main window shows it and
// saves it as PNG or SVG by the file's name, as WriteChartPicture does.
bool SaveChartPicture(const QString& fileName, QSize size, int YAxisMode, int XAxisMode,
                      const CurveData& data, QString* errorMessage);

} // namespace quorvel
