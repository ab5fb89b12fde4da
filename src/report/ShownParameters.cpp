#include "report/ShownParameters.h"

#include "report/NumberFormat.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

constexpr char SteamToCarbonLabel[] = "Отношение пар/углерод (S/C)";
constexpr char SteamToCarbonHeading[] = "    S/C    ";
constexpr char SteamToCarbonColumn[] = "s_c";

bool ShowsSteamToCarbon(const Engine& engine, SweptParameter parameter) {
    return parameter == SweptParameter::Ratio && engine.units.steamToCarbon;
}

bool ShowsOtherPressureUnit(const Engine& engine, SweptParameter parameter) {
    return parameter == SweptParameter::Pressure && engine.units.pressure != PressureUnit::Atm;
}

} // namespace

QString ShownLabel(const Engine& engine, SweptParameter parameter) {
    if (ShowsSteamToCarbon(engine, parameter))
        return QString::fromUtf8(SteamToCarbonLabel);
    if (ShowsOtherPressureUnit(engine, parameter))
        return QStringLiteral("Давление, ") +
               QString::fromUtf8(CaptionsOf(engine.units.pressure).name);
    return QString::fromUtf8(CaptionsOf(parameter).label);
}

QString ShownAxisTitle(const Engine& engine, SweptParameter parameter) {
    if (ShowsSteamToCarbon(engine, parameter) || ShowsOtherPressureUnit(engine, parameter))
        return ShownLabel(engine, parameter);
    return QString::fromUtf8(CaptionsOf(parameter).name);
}

double ShownFromModel(const Engine& engine, SweptParameter parameter, double value) {
    if (ShowsSteamToCarbon(engine, parameter))
        return SteamToCarbonOfRatio(engine.feedTotals, value);
    if (parameter == SweptParameter::Pressure)
        return PressureInUnit(value, engine.units.pressure);
    return value;
}

double ModelFromShown(const Engine& engine, SweptParameter parameter, double value) {
    if (ShowsSteamToCarbon(engine, parameter))
        return RatioOfSteamToCarbon(engine.feedTotals, value);
    if (parameter == SweptParameter::Pressure)
        return PressureInAtm(value, engine.units.pressure);
    return value;
}

std::optional<double> RestatedShownValue(const Engine& engine, SweptParameter parameter,
                                         double value, EntryUnits from) {
    double model = value;
    if (parameter == SweptParameter::Ratio && from.steamToCarbon) {
        if (!SteamToCarbonDefined(engine.feedTotals))
            return std::nullopt;
        model = RatioOfSteamToCarbon(engine.feedTotals, value);
    } else if (parameter == SweptParameter::Pressure) {
        model = PressureInAtm(value, from.pressure);
    }
    if (parameter == SweptParameter::Ratio && engine.units.steamToCarbon &&
        !SteamToCarbonDefined(engine.feedTotals))
        return std::nullopt;
    return ShownFromModel(engine, parameter, model);
}

double ShownInputValue(const Engine& engine, SweptParameter parameter) {
    const double values[SweptParameterCount] = {engine.InputRatio, engine.InputTemperature,
                                                engine.processConditions.InputPressure};
    return ShownFromModel(engine, parameter, values[IndexOf(parameter)]);
}

QString ShownColumnHeading(const Engine& engine, SweptParameter parameter) {
    if (ShowsSteamToCarbon(engine, parameter))
        return QString::fromUtf8(SteamToCarbonHeading);
    return QString::fromUtf8(CaptionsOf(parameter).columnHeading);
}

QString ShownCsvColumn(const Engine& engine, SweptParameter parameter) {
    if (ShowsSteamToCarbon(engine, parameter))
        return QString::fromUtf8(SteamToCarbonColumn);
    if (ShowsOtherPressureUnit(engine, parameter))
        return QStringLiteral("pressure_") +
               QString::fromUtf8(CaptionsOf(engine.units.pressure).csvSuffix);
    return QString::fromUtf8(CaptionsOf(parameter).csvColumn);
}

EntryLimits ShownLimits(const Engine& engine, SweptParameter parameter) {
    const EntryLimits model = EntryLimitsOf(parameter, engine.constants);
    return {ShownFromModel(engine, parameter, model.lower),
            ShownFromModel(engine, parameter, model.upper)};
}

SweepRange DesignGridInShownUnits(const Engine& engine, SweptParameter swept) {
    if (ShowsOtherPressureUnit(engine, swept)) {
        const double units = UnitsPerAtm(engine.units.pressure);
        return {31, 15 * units, 0.5 * units, 30 * units, false};
    }
    if (ShowsSteamToCarbon(engine, swept)) {
        const EntryLimits limits = ShownLimits(engine, swept);
        constexpr double First = 0.2, Step = 0.05;
        constexpr int Points = 77; // 0.2 .. 4.0
        int lowest = 0;
        while (lowest < Points && First + lowest * Step < limits.lower)
            ++lowest;
        int highest = Points - 1;
        while (highest > lowest && First + highest * Step > limits.upper)
            --highest;
        return {highest - lowest + 1, First + lowest * Step, Step, First + highest * Step, false};
    }
    return {};
}

QString RangeHeaderLine(const SweepRange& range, QChar decimalSeparator) {
    const double last = range.first + (range.count - 1) * range.step;
    return QStringLiteral("Диапазон: от %1 до %2, шаг %3")
        .arg(FormatGeneral(range.first, decimalSeparator), FormatGeneral(last, decimalSeparator),
             FormatGeneral(range.step, decimalSeparator));
}

QString PressureUnitHeaderLine(const Engine& engine) {
    if (engine.units.pressure == PressureUnit::Atm)
        return {};
    return QStringLiteral("Единица давления: ") +
           QString::fromUtf8(CaptionsOf(engine.units.pressure).name);
}

} // namespace quorvel
