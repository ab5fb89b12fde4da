#include "chart/OffscreenChart.h"

#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace quorvel {

namespace {

constexpr int LargestSide = 16384;
constexpr int ScreenDotsPerInch = 96;

} // namespace

ChartPictureFormat PictureFormatFor(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? ChartPictureFormat::Svg
                                                                          : ChartPictureFormat::Png;
}

QByteArray ChartSvg(const ChartModel& model, QSize size, ChartLayoutMemory memory,
                    const QStringList& caption) {
    const int captionHeight = PictureCaptionHeight(caption, size.width());
    const QSize whole(size.width(), size.height() + captionHeight);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(whole);
    generator.setViewBox(QRect(QPoint(0, 0), whole));
    generator.setResolution(ScreenDotsPerInch); // one user unit is one screen pixel
    generator.setTitle(model.Title().Text().join(QLatin1Char(' ')).trimmed());
    FontTextMeasurer measure;
    const ChartLayout layout = ComputeChartLayout(model, size, measure, memory);
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    PaintChart(painter, model, layout, measure);
    PaintPictureCaption(painter, caption, size.height(), size.width(), model.PanelColor());
    painter.end();
    return buffer.data();
}

QByteArray ChartModelPicture(const ChartModel& model, QSize size, ChartPictureFormat format,
                             QString* reason, ChartLayoutMemory memory,
                             const QStringList& caption) {
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return QByteArray();
    };
    if (size.width() <= 0 || size.height() <= 0 || size.width() > LargestSide ||
        size.height() > LargestSide)
        return fail(QStringLiteral("размер %1x%2 вне пределов от 1x1 до 16384x16384")
                        .arg(size.width())
                        .arg(size.height()));

    // Fonts can be measured only with a GUI application object.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("для рисования нужен графический объект приложения"));

    if (format == ChartPictureFormat::Svg) {
        const QByteArray svg = ChartSvg(model, size, memory, caption);
        return svg.isEmpty() ? fail(QStringLiteral("не удалось нарисовать SVG")) : svg;
    }

    // One pass: a pass lays itself out again when its label band was sized for another
    // step, so no earlier pass is needed to match the window.
    const QImage image =
        WithPictureCaption(RenderChart(model, size, memory), caption, model.PanelColor());
    if (image.isNull())
        return fail(QStringLiteral("не хватает памяти для рисунка"));

    // Encoded in memory first, so that a failing disk is reported by the file's writer
    // and not as an encoding fault.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return fail(QStringLiteral("не удалось закодировать рисунок в PNG"));
    return png;
}

QByteArray ChartModelPicturePng(const ChartModel& model, QSize size, QString* reason) {
    return ChartModelPicture(model, size, ChartPictureFormat::Png, reason);
}

} // namespace quorvel
