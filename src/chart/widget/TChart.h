#pragma once

#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartReadout.h"
#include "chart/ColorMapGeometry.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

namespace quorvel {

// The chart widget: a ChartModel drawn by one full drawing pass on every paint, except
// a repaint that only moves the readout line, which redraws the last pass.
// Changes to the model request a deferred repaint (coalesced by update());
// RepaintNow() draws at once.
//
// With a readout text set, the chart follows the mouse over the plot: a thin vertical
// line marks the nearest computed point and a tooltip shows the text made for it. The
// chart then also takes the focus from the keyboard (Tab, with a dotted focus frame):
// Left and Right step the readout from point to point, Home and End go to the first and
// the last, Escape takes it away. When the curves change under a readout, the line and
// the text follow at the same place (mouse position or point index) after the next
// drawing pass, or go when nothing is there any more. Elsewhere the picture is exactly
// the chart's.
//
// With a map readout text set, the mouse over a colour map shows in a tooltip the text
// made for the cell under it (no line is drawn); it follows new cells under a resting
// mouse after the next drawing pass.
class TChart : public QWidget {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    ChartModel& Model() { return model_; }
    const ChartModel& Model() const { return model_; }

    TChartTitle& Title() { return model_.Title(); }
    const TChartTitle& Title() const { return model_.Title(); }
    TChartTitle& Foot() { return model_.Foot(); }
    const TChartTitle& Foot() const { return model_.Foot(); }
    TChartLegend& Legend() { return model_.Legend(); }
    const TChartLegend& Legend() const { return model_.Legend(); }
    TChartAxis& LeftAxis() { return model_.LeftAxis(); }
    const TChartAxis& LeftAxis() const { return model_.LeftAxis(); }
    TChartAxis& BottomAxis() { return model_.BottomAxis(); }
    const TChartAxis& BottomAxis() const { return model_.BottomAxis(); }
    TChartAxis& TopAxis() { return model_.TopAxis(); }
    TChartAxis& RightAxis() { return model_.RightAxis(); }

    int SeriesCount() const { return model_.SeriesCount(); }
    // Series by list index: 0 is Series1.
    TFastLineSeries& Series(int index) { return model_.Series(index); }
    const TFastLineSeries& Series(int index) const { return model_.Series(index); }
    TFastLineSeries& AddSeries(const QString& name, QColor color) {
        return model_.AddSeries(name, color);
    }

    // Immediate, synchronous repaint.
    void RepaintNow();

    // Drawing passes done so far, and the layout of the last one.
    int PaintCount() const { return paintCount_; }
    const ChartLayout& LastLayout() const { return lastLayout_; }

    // The chart exactly as the last drawing pass showed it (same layout, same pixels),
    // without the readout line; after a change not yet painted, as the next pass will
    // show it. PictureMemory() is what such a pass starts from, for other devices.
    QImage Picture() const;
    const ChartLayoutMemory& PictureMemory() const { return memoryBeforeLastPaint_; }

    // The readout's text for a point; an empty function turns the readout off.
    using ReadoutTextFunction = std::function<QString(const ChartReadout&)>;
    void SetReadoutText(ReadoutTextFunction text);
    // What a mouse move to `position` (widget pixels) does: snaps the readout to the
    // nearest point, asks for a repaint when the line moves and shows the tooltip.
    // Returns the text shown, empty when the position is off the plot.
    QString ShowReadoutAt(QPoint position);
    // What the keyboard does: the readout at a point of the first shown series, by index
    // (limited to its points). Returns the text shown, empty when there is no point.
    QString ShowReadoutAtPoint(int pointIndex);
    // What the mouse leaving the chart does: the line and the tooltip go.
    void HideReadout();
    // The readout text now shown, empty when none is.
    const QString& ShownReadoutText() const { return shownText_; }
    // The readout of the mouse's current place, if any.
    const std::optional<ChartReadout>& Readout() const { return readout_; }

    // The map readout's text for a cell; an empty function turns it off.
    using MapReadoutTextFunction = std::function<QString(const ColorMapCell&)>;
    void SetMapReadoutText(MapReadoutTextFunction text);
    // What a mouse move to `position` does over the colour map: the tooltip of the cell
    // there. Returns the text shown, empty off the map.
    QString ShowMapReadoutAt(QPoint position);

    QSize sizeHint() const override { return QSize(438, 269); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateReadoutLine();
    std::optional<ChartReadout> CurrentReadout() const;
    QString ShowCurrentReadout();
    void RefreshReadoutText();
    QPoint ReadoutAnchor() const;

    ChartModel model_;
    ChartLayoutMemory memory_;
    ChartLayoutMemory memoryBeforeLastPaint_;
    ChartLayout lastLayout_;
    int paintCount_ = 0;
    ReadoutTextFunction readoutText_;
    std::optional<QPoint> hoverPosition_;
    std::optional<int> keyPoint_; // the keyboard's readout point, instead of the mouse's
    std::optional<ChartReadout> readout_;
    QString shownText_;
    MapReadoutTextFunction mapReadoutText_;
    std::optional<QPoint> mapHoverPosition_;
    bool refreshPending_ = false;
    bool readoutOnly_ = false; // the pending repaint only moves the readout line
};

} // namespace quorvel
