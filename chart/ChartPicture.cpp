#include "chart/ChartPicture.h"

#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
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

QByteArray ChartSvg(const ChartModel& model, QSize size, ChartLayoutMemory memory) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(ScreenDotsPerInch); // one user unit is one screen pixel
    generator.setTitle(model.Title().Text().join(QLatin1Char(' ')).trimmed());
    FontTextMeasurer measure;
    const ChartLayout layout = ComputeChartLayout(model, size, measure, memory);
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    PaintChart(painter, model, layout, measure);
    painter.end();
    return buffer.data();
}

bool WriteChartPicture(const QString& fileName, const ChartModel& model, QSize size,
                       ChartLayoutMemory memory, QString* errorMessage) {
    auto fail = [&](const QString& why) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Не удалось записать рисунок диаграммы %1: %2")
                                .arg(QDir::toNativeSeparators(fileName), why);
        return false;
    };
    if (size.width() <= 0 || size.height() <= 0 || size.width() > LargestSide ||
        size.height() > LargestSide)
        return fail(QStringLiteral("размер %1x%2 вне пределов от 1x1 до 16384x16384")
                        .arg(size.width())
                        .arg(size.height()));
    // Fonts can be measured only with a GUI application object.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("для рисования нужен графический объект приложения"));

    QByteArray svg;
    QImage image;
    if (PictureFormatFor(fileName) == ChartPictureFormat::Svg) {
        svg = ChartSvg(model, size, memory);
        if (svg.isEmpty())
            return fail(QStringLiteral("не удалось нарисовать SVG"));
    } else {
        image = RenderChart(model, size, memory);
        if (image.isNull())
            return fail(QStringLiteral("не хватает памяти для рисунка"));
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!svg.isEmpty()) {
        if (file.write(svg) != svg.size())
            return fail(file.errorString());
    } else if (!image.save(&file, "PNG")) {
        return fail(QStringLiteral("не удалось закодировать PNG"));
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool SaveChartPicture(const QString& fileName, QSize size, int YAxisMode, int XAxisMode,
                      const CurveData& data, QString* errorMessage) {
    ChartModel model;
    ConfigureReformingChart(model);
    ConstructionChart(model, YAxisMode, XAxisMode);
    ChartDisplay(model, YAxisMode, data);

    // The window has drawn the chart before (the new title goes up at once, before the
    // sweep), so its label bands are sized from an earlier pass; a first pass here
    // gives the picture the same layout.
    ChartLayoutMemory memory;
    if (size.width() > 0 && size.height() > 0 && size.width() <= LargestSide &&
        size.height() <= LargestSide &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        FontTextMeasurer measure;
        ComputeChartLayout(model, size, measure, memory);
    }
    return WriteChartPicture(fileName, model, size, memory, errorMessage);
}

} // namespace quorvel
