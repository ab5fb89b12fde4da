#include "cli/PlantOptions.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <memory>

#include "cli/NumberArgument.h"
#include "cli/SweepCommand.h"
#include "report/ApproachReadBackReport.h"
#include "report/NumberFormat.h"
#include "report/TableFile.h"

namespace quorvel {

namespace {

// The analysis's total may differ from 100 by this much, in per cent.
constexpr double AnalysisTotalTolerance = 0.5;

std::string Text(double value) {
    return FormatGeneral(value, QLatin1Char('.')).toStdString();
}

// One number of `option` within [lowest, highest]; an error line or empty.
std::string ReadBounded(const char* option, std::string_view text, double lowest, double highest,
                        const char* unit, double& target) {
    const ParsedNumber parsed = ParseNumberArgument(text);
    if (parsed.status != NumberStatus::Ok)
        return "значение «" + std::string(text) + "» параметра " + option +
               " не является числом (дробную часть отделяйте точкой: 2.5)";
    if (!(parsed.value >= lowest && parsed.value <= highest))
        return "значение " + std::string(text) + " параметра " + option + " вне пределов " +
               Text(lowest) + ".." + Text(highest) + " " + unit;
    target = parsed.value;
    return {};
}

const char* const Celsius = "град. С";

} // namespace

std::string ReadFeedTemperature(std::string_view text, SweepOptions& options) {
    options.inlet.feedGiven = true;
    return ReadBounded("--feed-temperature", text, InletCelsiusLowest, InletCelsiusHighest, Celsius,
                       options.inlet.feedCelsius);
}

std::string ReadSteamTemperature(std::string_view text, SweepOptions& options) {
    options.inlet.steamGiven = true;
    return ReadBounded("--steam-temperature", text, InletCelsiusLowest, InletCelsiusHighest,
                       Celsius, options.inlet.steamCelsius);
}

std::string ReadApproachReforming(std::string_view text, SweepOptions& options) {
    return ReadBounded("--approach-reforming", text, ApproachLowest, ApproachHighest, "K",
                       options.approach.Reforming);
}

std::string ReadApproachShift(std::string_view text, SweepOptions& options) {
    return ReadBounded("--approach-shift", text, ApproachLowest, ApproachHighest, "K",
                       options.approach.Shift);
}

std::string ReadApproachFrom(std::string_view text, SweepOptions& options) {
    static const char* const Names[] = {"CH4", "CO", "CO2", "H2", "N2"};
    constexpr int Count = 5;
    double values[Count] = {};
    bool given[Count] = {};
    const std::string usage = " (ждётся CH4=..,CO=..,CO2=..,H2=..[,N2=..] в % об. сухого газа)";
    for (const std::string_view part : SplitAtCommas(text)) {
        const std::size_t equals = part.find('=');
        const std::string_view name = part.substr(0, equals);
        int index = -1;
        for (int k = 0; k < Count; ++k)
            if (name == Names[k])
                index = k;
        if (equals == std::string_view::npos || index < 0)
            return "в параметре --approach-from непонятная часть «" + std::string(part) + "»" +
                   usage;
        if (given[index])
            return "в параметре --approach-from " + std::string(name) + " указан дважды";
        const std::string_view number = part.substr(equals + 1);
        const ParsedNumber parsed = ParseNumberArgument(number);
        if (parsed.status != NumberStatus::Ok)
            return "в параметре --approach-from значение «" + std::string(number) + "» для " +
                   std::string(name) + " не является числом (дробную часть отделяйте точкой)";
        // Every species but the inert gas enters a quotient or a balance and must be present.
        const bool inert = index == Count - 1;
        if (!((inert ? parsed.value >= 0 : parsed.value > 0) && parsed.value <= 100))
            return "в параметре --approach-from " + std::string(name) + " = " +
                   std::string(number) +
                   (inert ? " вне пределов 0..100 % об."
                          : " вне пределов: нужно больше 0 и не больше 100 % об.");
        values[index] = parsed.value;
        given[index] = true;
    }
    for (int k = 0; k < Count - 1; ++k)
        if (!given[k])
            return std::string("в параметре --approach-from нет ") + Names[k] + usage;
    const double others = values[0] + values[1] + values[2] + values[3];
    if (!given[Count - 1])
        values[Count - 1] = others > 100 ? 0 : 100 - others;
    const double total = others + values[Count - 1];
    if (!(std::fabs(total - 100) <= AnalysisTotalTolerance))
        return "анализ газа в --approach-from в сумме даёт " + Text(total) +
               " % об., а должен 100 ± " + Text(AnalysisTotalTolerance);
    options.approachFrom = MeasuredDryGas{values[0], values[1], values[2], values[3], values[4]};
    return {};
}

std::string PlantOptionsConflict(const SweepOptions& options,
                                 const std::vector<std::string>& arguments) {
    const auto given = [&](std::string_view name) -> bool {
        for (const std::string& argument : arguments)
            if (argument == name || argument.starts_with(std::string(name) + "="))
                return true;
        return false;
    };
    static const char* const SweepOnly[] = {"--feed-temperature", "--steam-temperature",
                                            "--approach-reforming", "--approach-shift"};
    if (options.approachFrom) {
        for (const char* name :
             {"--sweep", "--view", "--chart", "--size", "--carbon-limit", "--feed-temperature",
              "--steam-temperature", "--approach-reforming", "--approach-shift"})
            if (given(name))
                return std::string("параметр ") + name +
                       " не действует вместе с --approach-from: по анализу газа "
                       "рассчитывается приближение к равновесию в одной точке";
    }
    if (options.carbonLimit) {
        for (const char* name : SweepOnly)
            if (given(name))
                return std::string("параметр ") + name +
                       " не действует вместе с --carbon-limit: минимальное соотношение "
                       "пар/метан считается для равновесного газа";
    }
    return {};
}

int RunApproachReadBackCommand(const SweepOptions& options, QChar localeSeparator, std::FILE* out,
                               std::FILE* err) {
    auto engine = std::make_unique<Engine>();
    if (!PrepareEngine(*engine, options, err))
        return ExitBadInput;
    const MeasuredDryGas& gas = *options.approachFrom;
    ApproachReadBack result;
    try {
        result = ReadBackApproach(*engine, gas);
    } catch (const FloatingPointError& error) {
        PrintMessage(err, QString::fromUtf8(error.what()));
        return ExitFailure;
    }
    if (!result.waterPositive) {
        PrintMessage(err, QStringLiteral("анализ газа противоречит исходному газу и пару: по "
                                         "балансам углерода и кислорода воды в газе на выходе "
                                         "%1 моль на моль исходного газа, а должно быть больше 0")
                              .arg(FormatGeneral(result.water, QLatin1Char('.'))));
        return ExitBadInput;
    }
    const QChar separator =
        options.decimalSeparator ? QLatin1Char(*options.decimalSeparator) : localeSeparator;
    const QStringList lines = options.format == OutputFormat::Csv
                                  ? ApproachReadBackCsvLines(result)
                                  : ApproachReadBackTableLines(*engine, gas, result, separator);
    if (!WriteResultLines(options, lines, out, err))
        return ExitFailure;
    return ExitSuccess;
}

} // namespace quorvel
