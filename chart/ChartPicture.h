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

// Draws any chart off-screen as the window would at that size, starting the layout from
// `memory`, and returns it encoded as PNG or SVG. Needs a QGuiApplication (for the
// fonts). On failure returns an empty array and, if reason is given, a Russian reason.
QByteArray ChartModelPicture(const ChartModel& model, QSize size, ChartPictureFormat format,
                             QString* reason, ChartLayoutMemory memory = {});

// The same as PNG.
QByteArray ChartModelPicturePng(const ChartModel& model, QSize size, QString* reason);

// Draws the chart of one sweep off-screen exactly as the main window shows it at that
// size, encoded as PNG or SVG; the same failures as ChartModelPicture.
QByteArray ChartPicture(QSize size, const ReformingChartTexts& texts, const CurveData& data,
                        ChartPictureFormat format, QString* reason);

// The same as PNG.
QByteArray ChartPicturePng(QSize size, const ReformingChartTexts& texts, const CurveData& data,
                           QString* reason);

} // namespace quorvel
