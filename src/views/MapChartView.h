#pragma once

#include <QByteArray>
#include <QChar>
#include <QSize>
#include <QString>
#include <vector>

#include "chart/OffscreenChart.h"
#include "engine/ReformingMap.h"

namespace quorvel {

class ChartModel;
struct ColorMapCell;

// A map of one figure over temperature and pressure, as the map computation fills it:
// one value per (temperature, pressure) cell.
struct MapGrid {
    QString title;        // the figure's title, the chart's title line
    QString valueCaption; // the figure with its unit, the colour scale's caption
    QString pressureUnit = QStringLiteral("атм"); // as the pressure axis's title shows it
    std::vector<double> temperatureC;             // along x, ascending, degrees C
    std::vector<double> pressure;                 // along y, ascending, in pressureUnit
    // temperatureC.size() * pressure.size() values, pressure by pressure: the value at
    // temperature i and pressure j is value[j * temperatureC.size() + i]; NaN or infinite
    // where the figure has no value.
    std::vector<double> value;
};

// The grid of a computed map as its chart shows it: the title, the pressures in the
// entered unit, the cells pressure by pressure (ReformingMap holds them temperature by
// temperature), each as the table shows it (MapCellValue).
MapGrid MapGridOf(const Engine& engine, MapFigure figure, const ReformingMap& map);

// The map window's chart: the main chart's fonts and axes, a colour map on a temperature
// axis and a pressure axis with the colour scale on the right, no grid lines and no
// legend of curves.
void ConfigureMapChart(ChartModel& model);

// Loads a map: title, pressure axis title, scale caption and cells. Throws ChartError
// with a Russian message when the grid's sizes disagree or its temperatures or pressures
// do not rise. A window shows the model in its TChart and gives the widget MapReadoutText
// for the cell under the mouse.
void MapChartDisplay(ChartModel& model, const MapGrid& grid);

// The readout of one cell: temperature and pressure with two decimals, the value with
// four (or "не определено"), one "caption: value" line each.
QString MapReadoutText(const MapGrid& grid, const ColorMapCell& cell, QChar decimalSeparator);

// The map off-screen, encoded as PNG or SVG by the same painting as the window; empty
// with a Russian reason on failure (a grid that cannot be drawn included).
QByteArray MapPicture(QSize size, const MapGrid& grid, ChartPictureFormat format, QString* reason);

} // namespace quorvel
