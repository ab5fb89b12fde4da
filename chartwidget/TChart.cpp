#include "chartwidget/TChart.h"

#include "chartkit/ChartPainter.h"
#include "chartkit/TextMeasurer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace quorvel {

namespace {

bool SameLine(const std::optional<ChartReadout>& a, const std::optional<ChartReadout>& b) {
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    const PixelLine& l = a->hoverLine;
    const PixelLine& m = b->hoverLine;
    return l.x1 == m.x1 && l.y1 == m.y1 && l.x2 == m.x2 && l.y2 == m.y2;
}

} // namespace

TChart::TChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every visible change asks for one deferred repaint; update() coalesces them.
    model_.SetChangeHandler([this] {
        readoutOnly_ = false;
        update();
    });
}

TChart::~TChart() {
    model_.SetChangeHandler({});
}

void TChart::RepaintNow() {
    readoutOnly_ = false;
    repaint();
}

void TChart::UpdateReadoutLine() {
    // Only the line moves: the chart is drawn again from the last pass's layout, not by
    // a new drawing pass, whose label bands (sized from the pass before) could shift.
    if (paintCount_ > 0)
        readoutOnly_ = true;
    update();
}

void TChart::paintEvent(QPaintEvent*) {
    static thread_local FontTextMeasurer measure;
    const bool newPass = !readoutOnly_ || lastLayout_.size != size();
    readoutOnly_ = false;
    if (newPass) {
        memoryBeforeLastPaint_ = memory_;
        lastLayout_ = ComputeChartLayout(model_, size(), measure, memory_);
        ++paintCount_;
    }
    QPainter painter(this);
    PaintChart(painter, model_, lastLayout_, measure);
    // The line follows the curves when they change under a resting mouse.
    if (hoverPosition_) {
        readout_ = FindReadout(model_, lastLayout_, *hoverPosition_);
        if (readout_)
            PaintReadoutLine(painter, *readout_);
    }
}

QImage TChart::Picture() const {
    ChartLayoutMemory memory = memoryBeforeLastPaint_;
    return RenderChart(model_, size(), memory);
}

void TChart::SetReadoutText(ReadoutTextFunction text) {
    readoutText_ = std::move(text);
    setMouseTracking(static_cast<bool>(readoutText_));
    if (!readoutText_)
        HideReadout();
}

QString TChart::ShowReadoutAt(QPoint position) {
    if (!readoutText_)
        return {};
    hoverPosition_ = position;
    std::optional<ChartReadout> readout = FindReadout(model_, lastLayout_, position);
    const bool moved = !SameLine(readout, readout_);
    readout_ = std::move(readout);
    if (moved)
        UpdateReadoutLine();
    if (!readout_) {
        QToolTip::hideText();
        return {};
    }
    const QString text = readoutText_(*readout_);
    QToolTip::showText(mapToGlobal(position), text, this);
    return text;
}

void TChart::HideReadout() {
    const bool hadLine = readout_.has_value();
    hoverPosition_.reset();
    readout_.reset();
    QToolTip::hideText();
    if (hadLine)
        UpdateReadoutLine();
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
    ShowReadoutAt(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TChart::leaveEvent(QEvent* event) {
    HideReadout();
    QWidget::leaveEvent(event);
}

} // namespace quorvel
