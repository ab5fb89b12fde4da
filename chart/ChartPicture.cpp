#include "chart/ChartPicture.h"

#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

namespace quorvel {

QByteArray ChartModelPicturePng(const ChartModel& model, QSize size, QString* reason) {
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return QByteArray();
    };
    if (size.width() <= 0 || size.height() <= 0 || size.width() > 16384 || size.height() > 16384)
        return fail(QStringLiteral("размер %1x%2 вне пределов от 1x1 до 16384x16384")
                        .arg(size.width())
                        .arg(size.height()));

    // Fonts can be measured only with a GUI application object.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("для рисования нужен графический объект приложения"));

    // One pass: a pass lays itself out again when its label band was sized for another
    // step, so no earlier pass is needed to match the window.
    ChartLayoutMemory memory;
    const QImage image = RenderChart(model, size, memory);
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

QByteArray ChartPicturePng(QSize size, int YAxisMode, int XAxisMode, const CurveData& data,
                           QString* reason) {
    ChartModel model;
    ConfigureReformingChart(model);
    ConstructionChart(model, YAxisMode, XAxisMode);
    ChartDisplay(model, YAxisMode, data);
    return ChartModelPicturePng(model, size, reason);
}

} // namespace quorvel
