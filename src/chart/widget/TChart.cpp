#include "chart/widget/TChart.h"

#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <limits>

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

std::optional<ChartReadout> TChart::CurrentReadout() const {
    if (keyPoint_)
        return ReadoutAtPoint(model_, lastLayout_, *keyPoint_);
    if (hoverPosition_)
        return FindReadout(model_, lastLayout_, *hoverPosition_);
    return std::nullopt;
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
    // The line follows the curves when they change under a resting mouse or a keyboard
    // readout.
    if (hoverPosition_ || keyPoint_) {
        readout_ = CurrentReadout();
        if (readout_)
            PaintReadoutLine(painter, *readout_);
    }
    // The numbers follow once this paint is done: a new pass may show new curves or
    // cells, whose values the old text no longer gives.
    const bool lineText = readoutText_ && (hoverPosition_ || keyPoint_);
    const bool mapText = mapReadoutText_ && mapHoverPosition_;
    if (newPass && (lineText || mapText) && !refreshPending_) {
        refreshPending_ = true;
        QMetaObject::invokeMethod(this, &TChart::RefreshReadoutText, Qt::QueuedConnection);
    }
    // The focus shows as a dotted frame one pixel inside the edge, in the desktop's
    // highlight colour; pictures of the chart never show it.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

QImage TChart::Picture() const {
    ChartLayoutMemory memory = memoryBeforeLastPaint_;
    return RenderChart(model_, size(), memory);
}

void TChart::SetReadoutText(ReadoutTextFunction text) {
    readoutText_ = std::move(text);
    setMouseTracking(readoutText_ || mapReadoutText_);
    // With a readout the chart takes the focus from the keyboard (Tab), not from a click,
    // which leaves the focus where the user was typing.
    setFocusPolicy(readoutText_ ? Qt::TabFocus : Qt::NoFocus);
    if (!readoutText_)
        HideReadout();
}

QPoint TChart::ReadoutAnchor() const {
    if (keyPoint_ && readout_) {
        const ChartRect& plot = lastLayout_.plotRect;
        return QPoint(readout_->pixelX, (plot.top + plot.bottom) / 2);
    }
    return hoverPosition_.value_or(QPoint());
}

QString TChart::ShowCurrentReadout() {
    std::optional<ChartReadout> readout = CurrentReadout();
    const bool moved = !SameLine(readout, readout_);
    readout_ = std::move(readout);
    if (moved)
        UpdateReadoutLine();
    if (!readout_) {
        shownText_.clear();
        QToolTip::hideText();
        return {};
    }
    shownText_ = readoutText_(*readout_);
    QToolTip::showText(mapToGlobal(ReadoutAnchor()), shownText_, this);
    return shownText_;
}

QString TChart::ShowReadoutAt(QPoint position) {
    if (!readoutText_)
        return {};
    keyPoint_.reset();
    hoverPosition_ = position;
    return ShowCurrentReadout();
}

QString TChart::ShowReadoutAtPoint(int pointIndex) {
    if (!readoutText_)
        return {};
    hoverPosition_.reset();
    keyPoint_ = pointIndex;
    const QString text = ShowCurrentReadout();
    // The index is kept within the points, so a step back from past the end moves.
    if (readout_)
        keyPoint_ = readout_->pointIndex;
    return text;
}

void TChart::SetMapReadoutText(MapReadoutTextFunction text) {
    mapReadoutText_ = std::move(text);
    setMouseTracking(readoutText_ || mapReadoutText_);
    if (!mapReadoutText_ && mapHoverPosition_) {
        mapHoverPosition_.reset();
        QToolTip::hideText();
    }
}

QString TChart::ShowMapReadoutAt(QPoint position) {
    if (!mapReadoutText_)
        return {};
    mapHoverPosition_ = position;
    const std::optional<ColorMapCell> cell =
        ColorMapCellAt(model_.ColorMap(), lastLayout_.colorMap, position);
    if (!cell) {
        QToolTip::hideText();
        return {};
    }
    const QString text = mapReadoutText_(*cell);
    QToolTip::showText(mapToGlobal(position), text, this);
    return text;
}

void TChart::RefreshReadoutText() {
    refreshPending_ = false;
    if (readoutText_ && (hoverPosition_ || keyPoint_))
        ShowCurrentReadout();
    if (mapReadoutText_ && mapHoverPosition_)
        ShowMapReadoutAt(*mapHoverPosition_);
}

void TChart::HideReadout() {
    const bool hadLine = readout_.has_value();
    hoverPosition_.reset();
    keyPoint_.reset();
    readout_.reset();
    shownText_.clear();
    QToolTip::hideText();
    if (hadLine)
        UpdateReadoutLine();
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
    ShowReadoutAt(event->position().toPoint());
    ShowMapReadoutAt(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TChart::leaveEvent(QEvent* event) {
    // A keyboard readout stays while the chart has the focus.
    if (!keyPoint_)
        HideReadout();
    if (mapHoverPosition_) {
        mapHoverPosition_.reset();
        QToolTip::hideText();
    }
    QWidget::leaveEvent(event);
}

void TChart::keyPressEvent(QKeyEvent* event) {
    if (!readoutText_ || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int current = readout_ ? readout_->pointIndex : -1;
    switch (event->key()) {
    case Qt::Key_Right:
        ShowReadoutAtPoint(current < 0 ? 0 : current + 1);
        break;
    case Qt::Key_Left:
        ShowReadoutAtPoint(current < 0 ? std::numeric_limits<int>::max() : current - 1);
        break;
    case Qt::Key_Home:
        ShowReadoutAtPoint(0);
        break;
    case Qt::Key_End:
        ShowReadoutAtPoint(std::numeric_limits<int>::max());
        break;
    case Qt::Key_Escape:
        if (readout_) {
            HideReadout();
            break;
        }
        QWidget::keyPressEvent(event);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    UpdateReadoutLine(); // the focus frame
}

void TChart::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (keyPoint_)
        HideReadout();
    UpdateReadoutLine();
}

} // namespace quorvel
