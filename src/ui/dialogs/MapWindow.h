#pragma once

#include <QLocale>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

#include "engine/Engine.h"
#include "engine/ReformingMap.h"
#include "views/MapChartView.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quorvel {

class TChart;

// The non-modal window "Карта по температуре и давлению": a figure (the carbon limit, the
// methane slip or H2/CO at the entered steam ratio) over a grid of temperatures and
// pressures given as from, to and step, shown as a colour map with the value under the
// mouse. "Calculate" computes it at the main window's feed, steam ratio, constants and
// approach; a grid that does not read, leaves the entries' limits, runs backwards or has
// more than 101 points on an axis is refused with a message and nothing is computed.
// File, "Export CSV..." writes the cells as quorvel-sweep --map --format csv does.
class MapWindow : public QMainWindow {
    Q_OBJECT

public:
    // The field order of Field(): temperature from, to, step; pressure from, to, step.
    static constexpr int FieldCount = 6;

    // The locale gives the fields' and the readout's decimal separator.
    explicit MapWindow(const QLocale& locale, QWidget* parent = nullptr);
    ~MapWindow() override;

    // Reads the fields and computes the map on a copy of the engine; false with the
    // message shown (and the last map kept) when the grid is refused. Throws
    // FloatingPointError.
    bool Calculate(const Engine& engine);
    bool HasMap() const { return !csvLines_.isEmpty(); }
    // Restates the pressure fields, written in `previous`, in the engine's pressure unit,
    // so that they keep their pressures; an unreadable field is left as it is.
    void ShowUnits(const Engine& engine, PressureUnit previous);

    MapFigure Figure() const;
    void SetFigure(MapFigure figure);
    QLineEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }
    QString Message() const;
    // The last map computed, the grid the chart shows and its CSV lines.
    const ReformingMap& Map() const { return *map_; }
    const MapGrid& Grid() const { return grid_; }
    const QStringList& CsvLines() const { return csvLines_; }
    TChart* Chart() const { return chart_; }

    // File, "Export CSV...": the dialog, then the file; a failure is shown in a message box.
    void ExportCsv();
    // The file alone, UTF-8 with LF; false and a message naming the file on failure.
    bool ExportCsvFile(const QString& fileName, QString* errorMessage) const;

signals:
    // "Calculate" was pressed: the window wants the main window's current conditions.
    void CalculateRequested();

private:
    void ShowMessage(const QString& message);

    QLocale locale_;
    QComboBox* figure_ = nullptr;
    std::array<QLineEdit*, FieldCount> fields_{};
    QLabel* pressureLabel_ = nullptr;
    QLabel* message_ = nullptr;
    TChart* chart_ = nullptr;
    std::unique_ptr<ReformingMap> map_;
    MapGrid grid_;
    QStringList csvLines_;
};

} // namespace quorvel
