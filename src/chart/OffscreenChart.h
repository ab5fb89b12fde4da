#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include "chart/ChartLayout.h"

namespace quorvel {

class ChartModel;

enum class ChartPictureFormat { Png, Svg };

// SVG for a name ending in ".svg" (any case), PNG otherwise.
ChartPictureFormat PictureFormatFor(const QString& fileName);

// The chart drawn by the same painting code into an SVG document of the given size
// (one user unit a pixel), starting the layout from `memory`, with the caption lines
// in a band below it when there are any. Needs a QGuiApplication.
QByteArray ChartSvg(const ChartModel& model, QSize size, ChartLayoutMemory memory,
                    const QStringList& caption = {});

// Draws any chart off-screen as the window would at that size, starting the layout from
// `memory`, and returns it encoded as PNG or SVG. Needs a QGuiApplication (for the
// fonts). The caption lines, when there are any, go in a band below the chart, which
// keeps its size (PictureCaptionHeight). On failure returns an empty array and, if
// reason is given, a Russian reason.
QByteArray ChartModelPicture(const ChartModel& model, QSize size, ChartPictureFormat format,
                             QString* reason, ChartLayoutMemory memory = {},
                             const QStringList& caption = {});

// The same as PNG.
QByteArray ChartModelPicturePng(const ChartModel& model, QSize size, QString* reason);

} // namespace quorvel
