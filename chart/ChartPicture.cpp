#include "chart/ChartPicture.h"

#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

namespace quorvel {

bool SaveChartModelPicture(const ChartModel& model, const QString& fileName, QSize size,
                           QString* errorMessage) {
    auto fail = [&](const QString& why) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Cannot write the chart picture %1: %2")
                                .arg(QDir::toNativeSeparators(fileName), why);
        return false;
    };
    if (size.width() <= 0 || size.height() <= 0 || size.width() > 16384 || size.height() > 16384)
        return fail(QStringLiteral("the size %1x%2 is outside 1x1 to 16384x16384")
                        .arg(size.width())
                        .arg(size.height()));

    // Fonts can be measured only with a GUI application object.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("drawing needs a graphical application object"));

    // The window has drawn the chart before (the new title goes up at once, before the
    // sweep), so its label bands are sized from an earlier pass; a first pass here
    // gives the picture the same layout.
    ChartLayoutMemory memory;
    RenderChart(model, size, memory);
    const QImage image = RenderChart(model, size, memory);
    if (image.isNull())
        return fail(QStringLiteral("not enough memory for the picture"));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!image.save(&file, "PNG"))
        return fail(QStringLiteral("the PNG could not be encoded"));
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
    return SaveChartModelPicture(model, fileName, size, errorMessage);
}

} // namespace quorvel
