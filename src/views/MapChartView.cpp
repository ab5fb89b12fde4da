#include "views/MapChartView.h"

#include "chart/ChartError.h"
#include "chart/ChartModel.h"
#include "chart/ChartReadout.h"
#include "chart/ColorMapGeometry.h"
#include "report/EnvelopeReport.h"
#include "report/ShownParameters.h"
#include "views/ReformingChartView.h"

namespace quorvel {

namespace {

constexpr int ConditionDecimals = 2; // temperature and pressure, as the tables print them

QString TemperatureCaption() {
    return QStringLiteral("Температура, град. С");
}

QString PressureCaption(const MapGrid& grid) {
    return QStringLiteral("Давление, ") + grid.pressureUnit;
}

} // namespace

MapGrid MapGridOf(const Engine& engine, MapFigure figure, const ReformingMap& map) {
    MapGrid grid;
    grid.title = MapTitle(engine, figure);
    grid.valueCaption = MapValueCaption(engine, figure);
    grid.pressureUnit = QString::fromUtf8(CaptionsOf(engine.units.pressure).name);
    for (int t = 0; t < map.temperatureCount; ++t)
        grid.temperatureC.push_back(map.temperatures[t]);
    for (int p = 0; p < map.pressureCount; ++p)
        grid.pressure.push_back(PressureInUnit(map.pressures[p], engine.units.pressure));
    for (int p = 0; p < map.pressureCount; ++p)
        for (int t = 0; t < map.temperatureCount; ++t)
            grid.value.push_back(MapCellValue(engine, figure, map, t * map.pressureCount + p));
    return grid;
}

void ConfigureMapChart(ChartModel& model) {
    // The fonts, axes and ticks of the main chart.
    ConfigureReformingChart(model);
    model.BeginLoading();
    model.Legend().SetVisible(false);
    for (int i = 0; i < model.SeriesCount(); ++i)
        model.Series(i).SetActive(false);
    // Both axes span the map's cells; dotted grid lines would only break up its colours.
    for (TChartAxis* axis : {&model.LeftAxis(), &model.BottomAxis()}) {
        axis->SetAutomatic(true);
        axis->SetAutomaticMinimum(true);
        axis->SetAutomaticMaximum(true);
        ChartPen grid = axis->Grid();
        grid.visible = false;
        axis->SetGrid(grid);
    }
    model.BottomAxis().SetTitleCaption(TemperatureCaption());
    TColorMapSeries& map = model.ColorMap();
    map.SetScaleFont(model.LeftAxis().LabelsFont());
    map.SetTitleFont(model.LeftAxis().Title().Font);
    model.EndLoading();
}

void MapChartDisplay(ChartModel& model, const MapGrid& grid) {
    model.ColorMap().SetGrid(grid.temperatureC, grid.pressure, grid.value);
    model.Title().ClearText();
    model.Title().AddLine(grid.title);
    model.Title().AddLine(QString());
    model.LeftAxis().SetTitleCaption(PressureCaption(grid));
    model.ColorMap().SetTitle(grid.valueCaption);
}

QString MapReadoutText(const MapGrid& grid, const ColorMapCell& cell, QChar decimalSeparator) {
    constexpr int ValueDecimals = 4; // the tables' value columns
    ChartReadout readout;
    readout.x = cell.x;
    return ReadoutText(TemperatureCaption(), readout, decimalSeparator,
                       {ReadoutFigure{PressureCaption(grid), cell.y, ConditionDecimals},
                        ReadoutFigure{grid.valueCaption, cell.value, ValueDecimals}});
}

QByteArray MapPicture(QSize size, const MapGrid& grid, ChartPictureFormat format, QString* reason) {
    ChartModel model;
    ConfigureMapChart(model);
    try {
        MapChartDisplay(model, grid);
    } catch (const ChartError& e) {
        if (reason)
            *reason = QString::fromStdString(e.what());
        return {};
    }
    return ChartModelPicture(model, size, format, reason);
}

} // namespace quorvel
