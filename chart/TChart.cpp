#include "chart/TChart.h"

#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"

#include <QPainter>

namespace quorvel {

TChart::TChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every visible change asks for one deferred repaint; update() coalesces them.
    model_.SetChangeHandler([this] { update(); });
}

TChart::~TChart() {
    model_.SetChangeHandler({});
}

void TChart::RepaintNow() {
    repaint();
}

void TChart::paintEvent(QPaintEvent*) {
    static thread_local FontTextMeasurer measure;
    lastLayout_ = ComputeChartLayout(model_, size(), measure, memory_);
    QPainter painter(this);
    PaintChart(painter, model_, lastLayout_, measure);
    ++paintCount_;
}

} // namespace quorvel
