#include "ui/main/SweepRangeSettings.h"

#include <QVariant>

#include "engine/InputLimits.h"
#include "engine/SolverSettings.h"
#include "report/ShownParameters.h"
#include "ui/main/ProgramSettings.h"

namespace quorvel {

namespace {

// The settings group of each swept parameter, in SweptParameter order.
const char* const Groups[SweptParameterCount] = {"SweepRangeRatio", "SweepRangeTemperature",
                                                 "SweepRangePressure"};

QString Key(SweptParameter parameter, const char* name) {
    return QString::fromLatin1(Groups[IndexOf(parameter)]) + u'/' + QString::fromLatin1(name);
}

std::optional<double> StoredNumber(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    bool read = false;
    const double number = value.toDouble(&read);
    if (!value.isValid() || !read)
        return std::nullopt;
    return number;
}

} // namespace

QString EnteredUnitsTag(const Engine& engine, SweptParameter parameter) {
    switch (parameter) {
    case SweptParameter::Ratio:
        return engine.units.steamToCarbon ? QStringLiteral("S/C") : QStringLiteral("ratio");
    case SweptParameter::Temperature:
        return QStringLiteral("C");
    case SweptParameter::Pressure:
        break;
    }
    return QString::fromLatin1(CaptionsOf(engine.units.pressure).word);
}

RememberedRange LoadSweepRange(SweptParameter parameter) {
    const QSettings settings = ProgramSettings();
    const auto from = StoredNumber(settings, Key(parameter, "From"));
    const auto to = StoredNumber(settings, Key(parameter, "To"));
    const auto step = StoredNumber(settings, Key(parameter, "Step"));
    const QString units = settings.value(Key(parameter, "Units")).toString();
    if (!from || !to || !step || units.isEmpty())
        return {};
    return {settings.value(Key(parameter, "Chosen"), false).toBool(), *from, *to, *step, units};
}

void SaveSweepRange(SweptParameter parameter, const RememberedRange& range) {
    QSettings settings = ProgramSettings();
    if (range.units.isEmpty()) {
        settings.remove(QString::fromLatin1(Groups[IndexOf(parameter)]));
    } else {
        settings.setValue(Key(parameter, "Chosen"), range.chosen);
        settings.setValue(Key(parameter, "From"), range.from);
        settings.setValue(Key(parameter, "To"), range.to);
        settings.setValue(Key(parameter, "Step"), range.step);
        settings.setValue(Key(parameter, "Units"), range.units);
    }
    settings.sync();
}

SweepRange DesignGridShown(const Engine& engine, SweptParameter parameter) {
    const SweepRange restated = DesignGridInShownUnits(engine, parameter);
    if (restated.count > 0)
        return restated;
    using S = SweepSettings;
    switch (parameter) {
    case SweptParameter::Ratio:
        return {SweepRangePointCount(S::RatioFirst, S::RatioLast, S::RatioStep), S::RatioFirst,
                S::RatioStep, S::RatioLast, false};
    case SweptParameter::Temperature: {
        const double first = S::TemperatureFirst - S::CelsiusToKelvin;
        const double last = S::TemperatureLast - S::CelsiusToKelvin;
        return {SweepRangePointCount(first, last, S::TemperatureStep), first, S::TemperatureStep,
                last, false};
    }
    case SweptParameter::Pressure:
        break;
    }
    return {SweepRangePointCount(S::PressureFirst, S::PressureLast, S::PressureStep),
            S::PressureFirst, S::PressureStep, S::PressureLast, false};
}

std::optional<SweepRange> UsableSweepRange(const RememberedRange& range, const Engine& engine,
                                           SweptParameter parameter) {
    if (!range.chosen || range.units != EnteredUnitsTag(engine, parameter))
        return std::nullopt;
    const EntryLimits limits = ShownLimits(engine, parameter);
    SweepRange usable{0, ClampEntry(range.from, limits), range.step, ClampEntry(range.to, limits),
                      true};
    usable.count = SweepRangePointCount(usable.first, usable.last, usable.step);
    if (usable.count < 1 || usable.count > ResultCapacity)
        return std::nullopt;
    return usable;
}

} // namespace quorvel
