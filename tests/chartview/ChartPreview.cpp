// Writes PNG pictures of the reforming chart for every sweep and view, from the real
// engine, so a person can look at them: chart_preview OUTPUT_DIR [WIDTHxHEIGHT].
// Also prints which font families the configured names resolve to.
#include "chartview/ChartPicture.h"
#include "engine/Engine.h"
#include "fonts/FontSubstitutes.h"
#include "sweepchart/SweepChart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QTextStream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvel::InstallFontSubstitutes();
    QTextStream out(stdout);
    for (const char* family : {"Courier New", "Arial", "MS Sans Serif", "PROMT Helv Cyr"}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(11);
        out << family << " -> " << QFontInfo(font).family() << "\n";
    }
    const QStringList args = app.arguments();
    const QString dir = args.size() > 1 ? args[1] : QStringLiteral("/tmp/chart-preview");
    QSize size(438, 269);
    if (args.size() > 2) {
        const QStringList parts = args[2].split(QLatin1Char('x'));
        if (parts.size() == 2)
            size = QSize(parts[0].toInt(), parts[1].toInt());
    }
    QDir().mkpath(dir);
    quorvel::Engine engine;
    quorvel::InitialSetData(engine);
    engine.InputRatio = 3;
    engine.InputTemperature = 860;
    engine.processConditions.InputPressure = 25;
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            quorvel::RunSweep(engine, quorvel::AllSweptParameters[x], quorvel::AllResultViews[y]);
            const quorvel::ResultSeries& r = engine.resultSeries;
            const quorvel::CurveData data{r.XValue, r.CH4,    r.CO,      r.CO2,
                                          r.H2,     r.H2toCO, r.CO2toCO, r.LastIndex};
            const QString file = QStringLiteral("%1/chart-x%2-y%3.png").arg(dir).arg(x).arg(y);
            QString error;
            const QByteArray png =
                quorvel::ChartPicturePng(size,
                                         quorvel::SweepChartTexts(quorvel::AllSweptParameters[x],
                                                                  quorvel::AllResultViews[y]),
                                         data, &error);
            QFile saved(file);
            if (png.isEmpty() || !saved.open(QIODevice::WriteOnly) ||
                saved.write(png) != png.size()) {
                out << file << ": " << (png.isEmpty() ? error : saved.errorString()) << "\n";
                return 1;
            }
            saved.close();
            out << file << "\n";
            // A three-times enlargement of the lower left corner, to check ticks and dots.
            const QImage picture(file);
            const QRect corner(0, picture.height() / 2, picture.width() / 2, picture.height() / 2);
            picture.copy(corner)
                .scaled(corner.width() * 3, corner.height() * 3)
                .save(QStringLiteral("%1/corner-x%2-y%3.png").arg(dir).arg(x).arg(y));
        }
    }
    return 0;
}
