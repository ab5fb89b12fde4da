#include "report/ApproachReadBackReport.h"

#include "report/NumberFormat.h"

#include <charconv>

namespace quorvel {

namespace {

QString Fixed(double value, int decimals, QChar separator) {
    return FormatFixed(value, decimals, 0, separator);
}

// Six significant digits, for the quotients, which span many decades.
QString Significant(double value, QChar separator) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return QString::fromLatin1(buffer, result.ptr - buffer).replace(QLatin1Char('.'), separator);
}

// "865,2 град. С" or why there is no temperature in the search range.
QString TemperatureText(EquilibriumTemperatureFound found, double celsius, const char16_t* quotient,
                        const char16_t* constant, QChar separator) {
    const QString low = FormatGeneral(ReadBackLowestCelsius, separator);
    const QString high = FormatGeneral(ReadBackHighestCelsius, separator);
    // The constant equals its quotient nowhere in the range: say on which side it would.
    const QString reason =
        QString::fromUtf16(u" (%1 = %2 ни при одной температуре %3..%4 град. С)")
            .arg(QString::fromUtf16(constant), QString::fromUtf16(quotient), low, high);
    switch (found) {
    case EquilibriumTemperatureFound::BelowRange:
        return QString::fromUtf16(u"ниже %1 град. С").arg(low) + reason;
    case EquilibriumTemperatureFound::AboveRange:
        return QString::fromUtf16(u"выше %1 град. С").arg(high) + reason;
    case EquilibriumTemperatureFound::InRange:
        break;
    }
    return Fixed(celsius, 2, separator) + QString::fromUtf16(u" град. С");
}

QString ApproachText(EquilibriumTemperatureFound found, double kelvin, QChar separator) {
    if (found != EquilibriumTemperatureFound::InRange) {
        return QString::fromUtf16(u"не определено");
    }
    return Fixed(kelvin, 2, separator) + QStringLiteral(" K");
}

QString Field(EquilibriumTemperatureFound found, double value) {
    return found == EquilibriumTemperatureFound::InRange ? ShortestNumber(value) : QString();
}

} // namespace

QStringList ApproachReadBackTableLines(const Engine& engine, const MeasuredDryGas& gas,
                                       const ApproachReadBack& result, QChar separator) {
    const auto general = [separator](double value) { return FormatGeneral(value, separator); };
    QStringList lines;
    lines << QString::fromUtf16(u"Приближение к равновесию по анализу газа");
    lines << QString::fromUtf16(u"Соотношение пар/метан: %1, температура на выходе: %2 град. С, "
                                u"давление: %3 атм")
                 .arg(general(engine.InputRatio), general(engine.InputTemperature),
                      general(engine.processConditions.InputPressure));
    lines << QString::fromUtf16(u"Сухой газ, % об.: CH4 %1, CO %2, CO2 %3, H2 %4, N2 %5")
                 .arg(general(gas.CH4), general(gas.CO), general(gas.CO2), general(gas.H2),
                      general(gas.N2));
    lines << (engine.constants == ConstantsSource::Standard
                  ? QString::fromUtf16(
                        u"Константы равновесия: стандартные данные NASA (T = t + 273") +
                        separator + QStringLiteral("15 K)")
                  : QString::fromUtf16(u"Константы равновесия: корреляция программы "
                                       u"(T = t + 273 K)"));
    lines << QString();
    lines << QString::fromUtf16(u"Вода во влажном газе, мол. доля: %1")
                 .arg(Fixed(result.h2oWetFraction, 4, separator));
    lines << QString::fromUtf16(u"Qp1 = pCO·pH2³/(pCH4·pH2O), атм²: %1")
                 .arg(Significant(result.Qp1, separator));
    lines << QString::fromUtf16(u"Qp2 = pCO2·pH2/(pCO·pH2O): %1")
                 .arg(Significant(result.Qp2, separator));
    lines << QString::fromUtf16(u"Равновесная температура конверсии метана (K1 = Qp1): %1")
                 .arg(TemperatureText(result.reformingFound, result.reformingCelsius, u"Qp1", u"K1",
                                      separator));
    lines << QString::fromUtf16(u"Равновесная температура конверсии CO (K2 = Qp2): %1")
                 .arg(TemperatureText(result.shiftFound, result.shiftCelsius, u"Qp2", u"K2",
                                      separator));
    lines << QString::fromUtf16(u"Приближение к равновесию: конверсия метана %1, конверсия CO %2")
                 .arg(ApproachText(result.reformingFound, result.approachReforming, separator),
                      ApproachText(result.shiftFound, result.approachShift, separator));
    lines << QString::fromUtf16(u"Активность углерода (большая из двух): %1")
                 .arg(Fixed(result.carbonActivity, 4, separator));
    lines << QString::fromUtf16(u"Баланс водорода (найдено/подано): %1 %")
                 .arg(Fixed(result.hydrogenBalancePercent, 2, separator));
    return lines;
}

QStringList ApproachReadBackCsvLines(const ApproachReadBack& result) {
    QStringList fields;
    fields << Field(result.reformingFound, result.reformingCelsius)
           << Field(result.shiftFound, result.shiftCelsius)
           << Field(result.reformingFound, result.approachReforming)
           << Field(result.shiftFound, result.approachShift)
           << ShortestNumber(result.h2oWetFraction) << ShortestNumber(result.carbonActivity)
           << ShortestNumber(result.hydrogenBalancePercent);
    return {QStringLiteral("equilibrium_temperature_reforming_c,equilibrium_temperature_shift_c,"
                           "approach_reforming_k,approach_shift_k,h2o_wet_fraction,"
                           "carbon_activity,hydrogen_balance_percent"),
            fields.join(QLatin1Char(','))};
}

} // namespace quorvel
