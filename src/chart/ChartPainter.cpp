#include "chart/ChartPainter.h"

#include "chart/ChartModel.h"
#include "chart/ColorMapGeometry.h"
#include "chart/TextMeasurer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cmath>

namespace quorvel {

namespace {

QPen ToQPen(const ChartPen& pen, Qt::PenCapStyle cap) {
    if (!pen.visible)
        return QPen(Qt::NoPen);
    QPen result(pen.color);
    result.setWidth(pen.width);
    result.setCapStyle(cap);
    result.setJoinStyle(Qt::RoundJoin);
    if (pen.style == ChartPen::Style::Dotted) {
        // One pixel on, one off: the gaps let what lies below show through.
        result.setWidth(1);
        result.setDashPattern({1.0, 1.0});
        // Square ends would stretch every one-pixel dash over its gap wherever the pen
        // is drawn as a true stroke (SVG); the screen draws it the same either way.
        result.setCapStyle(Qt::FlatCap);
    }
    return result;
}

void DrawLines(QPainter& painter, const ChartPen& pen, const std::vector<PixelLine>& lines) {
    if (!pen.visible || lines.empty())
        return;
    painter.setPen(ToQPen(pen, Qt::SquareCap));
    for (const PixelLine& l : lines)
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
}

void DrawText(QPainter& painter, const ChartFont& font, const FontTextMeasurer& measure,
              const PlacedText& text) {
    if (text.text.isEmpty())
        return;
    painter.setFont(ToQFont(font));
    painter.setPen(font.color);
    painter.drawText(QPoint(text.x, text.y + measure.Ascent(font)), text.text);
}

// A text turned a quarter left, reading upwards (a vertical axis title, the colour
// scale's caption), anchored at its placed point.
void DrawTurnedText(QPainter& painter, const ChartFont& font, const FontTextMeasurer& measure,
                    const PlacedText& text) {
    painter.save();
    painter.setFont(ToQFont(font));
    painter.setPen(font.color);
    painter.translate(text.x, text.y);
    painter.rotate(-90);
    const int descent = measure.TextHeight(font) - measure.Ascent(font);
    painter.drawText(QPoint(0, -descent), text.text);
    painter.restore();
}

void DrawPanel(QPainter& painter, const ChartModel& model, QSize size) {
    painter.fillRect(QRect(QPoint(0, 0), size), model.PanelColor());
    if (model.BevelWidth() <= 0 || size.isEmpty())
        return;
    // Raised bevel: light on the top and left, shadow on the bottom and right.
    const int r = size.width() - 1;
    const int b = size.height() - 1;
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(0, 0, r, 0);
    painter.drawLine(0, 0, 0, b);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(0, b, r, b);
    painter.drawLine(r, 0, r, b);
}

void DrawTitle(QPainter& painter, const TChartTitle& title, const TitleLayout& layout,
               const FontTextMeasurer& measure) {
    if (!layout.drawn)
        return;
    if (title.FrameVisible()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        const ChartRect& b = layout.box;
        painter.drawRect(QRect(b.left, b.top, b.right - b.left, b.bottom - b.top));
    }
    for (const PlacedText& line : layout.lines)
        DrawText(painter, title.Font(), measure, line);
}

void DrawLegend(QPainter& painter, const ChartModel& model, const LegendLayout& layout,
                const FontTextMeasurer& measure) {
    if (!layout.drawn)
        return;
    const TChartLegend& legend = model.Legend();
    const ChartRect& box = layout.box;
    const QRect outline(box.left, box.top, box.right - box.left, box.bottom - box.top);
    if (legend.ShadowSize() > 0)
        painter.fillRect(
            outline.translated(legend.ShadowSize(), legend.ShadowSize()).adjusted(0, 0, 1, 1),
            legend.ShadowColor());
    painter.setPen(ToQPen(legend.Frame(), Qt::SquareCap));
    painter.setBrush(legend.Color());
    painter.drawRect(outline);
    painter.setBrush(Qt::NoBrush);
    for (const LegendItemLayout& item : layout.items) {
        const TFastLineSeries& series = model.Series(item.seriesIndex);
        painter.setPen(ToQPen(series.LinePen(), Qt::FlatCap));
        painter.drawLine(item.symbolLeft, item.symbolY, item.symbolRight, item.symbolY);
        DrawText(painter, legend.Font(), measure, {item.text, item.textX, item.textY, 0});
    }
}

void DrawBackWall(QPainter& painter, const ChartModel& model, const ChartRect& plot) {
    const QRect wall(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
    if (model.BackWallFilled())
        painter.fillRect(wall.adjusted(0, 0, 1, 1), model.BackWallColor());
    if (model.BackWallPen().visible) {
        painter.setPen(ToQPen(model.BackWallPen(), Qt::SquareCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(wall);
    }
}

// Behind the grid and the curves, so dotted grid lines and every curve stay on top.
void DrawXBands(QPainter& painter, const ChartModel& model, const ChartLayout& layout) {
    for (const ChartRect& band : layout.xBands)
        painter.fillRect(
            QRect(band.left, band.top, band.right - band.left + 1, band.bottom - band.top + 1),
            model.XBandColor());
}

QRect ToQRect(const ChartRect& halfOpen) {
    return QRect(halfOpen.left, halfOpen.top, halfOpen.right - halfOpen.left,
                 halfOpen.bottom - halfOpen.top);
}

// Every cell in its colour; the cells without a value white with grey diagonal hatching.
void DrawColorMap(QPainter& painter, const ChartModel& model, const ColorMapLayout& layout) {
    if (!layout.drawn)
        return;
    constexpr int HatchSpacing = 6; // pixels between the hatching's lines, along a row
    const TColorMapSeries& map = model.ColorMap();
    const QPen hatchPen(map.NoValueHatchColor(), 1);
    for (int row = 0; row < map.RowCount(); ++row) {
        // Neighbouring cells of one colour are filled as one rectangle: a smooth field
        // needs far fewer fills, and its SVG far fewer elements.
        ChartRect run{0, 0, 0, 0};
        QColor runColor;
        bool runNoValue = false;
        auto flush = [&] {
            if (run.right <= run.left || run.bottom <= run.top)
                return;
            painter.fillRect(ToQRect(run), runColor);
            if (!runNoValue)
                return;
            painter.setPen(hatchPen);
            for (const PixelLine& l : HatchLines(run, HatchSpacing))
                painter.drawLine(l.x1, l.y1, l.x2, l.y2);
        };
        for (int column = 0; column < map.ColumnCount(); ++column) {
            const ChartRect cell = ColorMapCellRect(layout, column, row);
            if (cell.right <= cell.left || cell.bottom <= cell.top)
                continue;
            const double value = map.Value(column, row);
            const QColor color = map.ValueColor(value);
            const bool none = !std::isfinite(value);
            if (run.right == cell.left && color == runColor && none == runNoValue) {
                run.right = cell.right;
                continue;
            }
            flush();
            run = cell;
            runColor = color;
            runNoValue = none;
        }
        flush();
    }
}

void DrawColorScale(QPainter& painter, const ChartModel& model, const ColorScaleLayout& scale,
                    const FontTextMeasurer& measure) {
    if (!scale.drawn)
        return;
    const TColorMapSeries& map = model.ColorMap();
    const ChartRect& bar = scale.bar;
    for (int y = bar.top; y <= bar.bottom; ++y)
        painter.fillRect(QRect(bar.left, y, bar.right - bar.left + 1, 1),
                         map.ValueColor(ColorScaleValueAt(scale, y)));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const ChartRect& f = scale.frame;
    painter.drawRect(QRect(f.left, f.top, f.right - f.left, f.bottom - f.top));
    for (const PixelLine& l : scale.tickLines)
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    for (const ColorScaleTick& tick : scale.ticks)
        DrawText(painter, map.ScaleFont(), measure, tick.label);
    if (scale.captionDrawn) {
        DrawTurnedText(painter, map.TitleFont(), measure, scale.caption);
    }
}

void DrawAxis(QPainter& painter, const TChartAxis& axis, const AxisLayout& a,
              const FontTextMeasurer& measure) {
    if (a.titleDrawn) {
        const ChartFont& font = axis.Title().Font;
        if (axis.Title().Angle == 90) {
            DrawTurnedText(painter, font, measure, a.title);
        } else {
            DrawText(painter, font, measure, a.title);
        }
    }
    for (const AxisLabel& label : a.labels)
        DrawText(painter, axis.LabelsFont(), measure, label.text);
    if (axis.Axis().visible) {
        painter.setPen(ToQPen(axis.Axis(), Qt::FlatCap));
        painter.drawLine(a.axisLine.x1, a.axisLine.y1, a.axisLine.x2, a.axisLine.y2);
    }
    DrawLines(painter, axis.Ticks(), a.outerTicks);
    if (axis.Grid().visible) {
        // Dotted lines over a transparent background.
        painter.setBackgroundMode(Qt::TransparentMode);
        DrawLines(painter, axis.Grid(), a.gridLines);
    }
    DrawLines(painter, axis.TicksInner(), a.innerTicks);
    DrawLines(painter, axis.MinorTicks(), a.minorTickLines);
    DrawLines(painter, axis.MinorGrid(), a.minorGridLines);
}

void DrawSeries(QPainter& painter, const ChartModel& model, const ChartLayout& layout) {
    const ChartRect& plot = layout.plotRect;
    if (model.ClipPoints())
        painter.setClipRect(
            QRect(plot.left, plot.top, plot.right - plot.left + 1, plot.bottom - plot.top + 1));
    for (const SeriesLayout& s : layout.series) {
        if (s.polyline.size() < 2)
            continue;
        const TFastLineSeries& series = model.Series(s.seriesIndex);
        if (!series.LinePen().visible)
            continue;
        QPen pen = ToQPen(series.LinePen(), Qt::RoundCap);
        painter.setPen(pen);
        painter.drawPolyline(s.polyline.data(), static_cast<int>(s.polyline.size()));
    }
    painter.setClipping(false);
}

} // namespace

void PaintChart(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
                const FontTextMeasurer& measure) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawPanel(painter, model, layout.size);
    DrawTitle(painter, model.Title(), layout.title, measure);
    DrawTitle(painter, model.Foot(), layout.foot, measure);
    DrawLegend(painter, model, layout.legend, measure);
    DrawBackWall(painter, model, layout.plotRect);
    DrawXBands(painter, model, layout);
    DrawColorMap(painter, model, layout.colorMap);
    DrawColorScale(painter, model, layout.colorScale, measure);
    for (std::size_t i = 0; i < layout.axes.size(); ++i)
        if (layout.axes[i].drawn)
            DrawAxis(painter, model.Axis(static_cast<TChartAxisId>(i)), layout.axes[i], measure);
    DrawSeries(painter, model, layout);
}

namespace {

constexpr int CaptionPadding = 4; // pixels around the caption's text
constexpr int CaptionPixelSize = 11;

QFont CaptionFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(CaptionPixelSize);
    return font;
}

// The rectangle the wrapped text of one line takes, at the caption's left.
QRect CaptionLineRect(const QFontMetrics& metrics, const QString& line, int width) {
    const int textWidth = std::max(1, width - 2 * CaptionPadding);
    return metrics.boundingRect(QRect(CaptionPadding, 0, textWidth, INT_MAX / 2),
                                Qt::AlignLeft | Qt::TextWordWrap, line);
}

} // namespace

int PictureCaptionHeight(const QStringList& lines, int width) {
    if (lines.isEmpty())
        return 0;
    const QFontMetrics metrics(CaptionFont());
    int height = 2 * CaptionPadding;
    for (const QString& line : lines)
        height +=
            line.isEmpty() ? metrics.height() : CaptionLineRect(metrics, line, width).height();
    return height;
}

void PaintPictureCaption(QPainter& painter, const QStringList& lines, int top, int width,
                         const QColor& background) {
    const int height = PictureCaptionHeight(lines, width);
    if (height == 0)
        return;
    painter.fillRect(QRect(0, top, width, height), background);
    const QFont font = CaptionFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int y = top + CaptionPadding;
    for (const QString& line : lines) {
        const QRect rect = line.isEmpty() ? QRect(0, 0, width, metrics.height())
                                          : CaptionLineRect(metrics, line, width);
        painter.drawText(
            QRect(CaptionPadding, y, std::max(1, width - 2 * CaptionPadding), rect.height()),
            Qt::AlignLeft | Qt::TextWordWrap, line);
        y += rect.height();
    }
}

QImage WithPictureCaption(const QImage& chart, const QStringList& lines, const QColor& background) {
    const int height = PictureCaptionHeight(lines, chart.width());
    if (height == 0 || chart.isNull())
        return chart;
    QImage result(chart.width(), chart.height() + height, chart.format());
    if (result.isNull())
        return result;
    QPainter painter(&result);
    painter.drawImage(0, 0, chart);
    PaintPictureCaption(painter, lines, chart.height(), chart.width(), background);
    return result;
}

QImage RenderChart(const ChartModel& model, QSize size, ChartLayoutMemory& memory) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    FontTextMeasurer measure;
    const ChartLayout layout = ComputeChartLayout(model, size, measure, memory);
    QPainter painter(&image);
    PaintChart(painter, model, layout, measure);
    return image;
}

} // namespace quorvel
