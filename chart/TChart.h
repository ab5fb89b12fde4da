#pragma once

#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"

#include <QWidget>
#include <array>

namespace quorvel {

// The chart widget: a ChartModel drawn by one full drawing pass on every paint.
// Changes to the model request a deferred repaint (coalesced by update());
// RepaintNow() draws at once.
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

    QSize sizeHint() const override { return QSize(438, 269); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartModel model_;
    ChartLayoutMemory memory_;
    ChartLayout lastLayout_;
    int paintCount_ = 0;
};

} // namespace quorvel
