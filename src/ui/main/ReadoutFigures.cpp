#include "ui/main/ReadoutFigures.h"

#include <QString>

#include <algorithm>
#include <limits>

namespace quorvel {

QString HeatDutyCaption(const InletTemperatures& inlet, QChar decimalSeparator) {
    if (!inlet.feedGiven && !inlet.steamGiven)
        return QStringLiteral("Теплота процесса, кДж/моль");
    auto celsius = [decimalSeparator](bool given, double value) {
        return given ? QString::number(value, 'g', 6).replace(u'.', decimalSeparator) +
                           QStringLiteral(" °C")
                     : QStringLiteral("при T точки");
    };
    return QStringLiteral("Теплота процесса от входа (газ %1, пар %2), кДж/моль")
        .arg(celsius(inlet.feedGiven, inlet.feedCelsius),
             celsius(inlet.steamGiven, inlet.steamCelsius));
}

std::vector<ReadoutFigure> ReadoutFigures(const Engine& engine, double x, QChar decimalSeparator) {
    const ResultSeries& r = engine.resultSeries;
    const int lastIndex = std::min(r.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i) {
        if (r.XValue[i] != x)
            continue;
        const ReformerFigures& f = engine.figures;
        const CarbonSeries& c = engine.carbonSeries;
        // The larger of the two activities decides whether carbon can form (above 1).
        const double carbon = c.Known[i] ? std::max(c.Cracking[i], c.Boudouard[i])
                                         : std::numeric_limits<double>::quiet_NaN();
        return {
            {QStringLiteral("Конверсия метана"), f.MethaneConversion[i], 4},
            {QStringLiteral("Пар/углерод"), f.SteamToCarbon[i], 2},
            {HeatDutyCaption(engine.inlet, decimalSeparator), f.HeatDuty[i], 2},
            {QStringLiteral("Активность углерода"), carbon, 3},
        };
    }
    return {};
}

} // namespace quorvel
