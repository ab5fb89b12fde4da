#include "cli/EnvelopeOptions.h"

#include <algorithm>

#include "cli/NumberArgument.h"
#include "cli/ShownValue.h"
#include "report/ShownParameters.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

struct TargetFigureText {
    PointFigureKind figure;
    const char* word;
    const char* name;
};

constexpr TargetFigureText TargetFigures[PointFigureKindCount] = {
    {PointFigureKind::H2toCO, "h2_co", "H2/CO"},
    {PointFigureKind::CO2toCO, "co2_co", "CO2/CO"},
    {PointFigureKind::MethaneDryPercent, "methane_dry_percent", "метан в сухом газе, % об."},
    {PointFigureKind::MethaneConversion, "methane_conversion", "конверсия метана"},
    {PointFigureKind::CarbonActivity, "carbon_activity", "активность углерода"},
};

struct MapFigureText {
    MapFigure figure;
    const char* word;
};

constexpr MapFigureText MapFigures[] = {{MapFigure::CarbonLimit, "carbon-limit"},
                                        {MapFigure::MethaneSlip, "methane-slip"},
                                        {MapFigure::H2toCO, "h2-co"}};

// Reads one number; the message names the option.
std::string ReadValue(const char* option, std::string_view text, double& target) {
    const ParsedNumber parsed = ParseNumberArgument(text);
    if (parsed.status == NumberStatus::OutOfRange)
        return std::string("значение «") + ShownValue(text) + "» параметра " + option +
               " выходит за пределы чисел двойной точности";
    if (parsed.status != NumberStatus::Ok)
        return std::string("значение «") + ShownValue(text) + "» параметра " + option +
               " не является числом (дробную часть отделяйте точкой: 2.5)";
    target = parsed.value;
    return {};
}

std::string ReadOptional(const char* option, std::string_view text, std::optional<double>& target) {
    double value = 0;
    std::string error = ReadValue(option, text, value);
    if (error.empty())
        target = value;
    return error;
}

// "A:B:STEP": start, end and step of a map axis.
std::string ReadGrid(const char* option, std::string_view text, std::optional<GridRequest>& grid) {
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos)
        return std::string("параметр ") + option +
               " ждёт начало, конец и шаг через двоеточие, например 700:1000:10; получено «" +
               ShownValue(text) + "»";
    GridRequest request;
    for (const auto& [part, value] :
         {std::pair{text.substr(0, first), &request.from},
          std::pair{text.substr(first + 1, second - first - 1), &request.to},
          std::pair{text.substr(second + 1), &request.step}}) {
        if (std::string error = ReadValue(option, part, *value); !error.empty())
            return error;
    }
    grid = request;
    return {};
}

bool Given(const std::vector<std::string>& given, std::string_view name) {
    return std::find(given.begin(), given.end(), name) != given.end();
}

} // namespace

std::string ReadRangeFrom(std::string_view text, SweepOptions& options) {
    return ReadOptional("--from", text, options.rangeFrom);
}

std::string ReadRangeTo(std::string_view text, SweepOptions& options) {
    return ReadOptional("--to", text, options.rangeTo);
}

std::string ReadRangeStep(std::string_view text, SweepOptions& options) {
    return ReadOptional("--step", text, options.rangeStep);
}

std::string ReadSteamToCarbon(std::string_view text, SweepOptions& options) {
    options.steamToCarbon = true;
    options.ratioGiven = true;
    return ReadValue("--steam-to-carbon", text, options.ratio);
}

std::string ReadPressureUnit(std::string_view text, SweepOptions& options) {
    for (const PressureUnit unit : AllPressureUnits) {
        if (text == CaptionsOf(unit).word) {
            options.pressureUnit = unit;
            return {};
        }
    }
    return "параметр --pressure-unit принимает atm, bar, mpa или kgf (кгс/см2), получено «" +
           ShownValue(text) + "»";
}

std::string ReadTarget(std::string_view text, SweepOptions& options) {
    const std::size_t equals = text.find('=');
    std::string words;
    for (const TargetFigureText& figure : TargetFigures) {
        words += words.empty() ? "" : ", ";
        words += figure.word;
        if (equals != std::string_view::npos && text.substr(0, equals) == figure.word) {
            TargetRequest request{figure.figure, 0};
            if (std::string error = ReadValue("--target", text.substr(equals + 1), request.value);
                !error.empty())
                return error;
            options.target = request;
            return {};
        }
    }
    return "параметр --target ждёт ВЕЛИЧИНА=ЗНАЧЕНИЕ, где ВЕЛИЧИНА - одна из " + words +
           " (например h2_co=2); получено «" + ShownValue(text) + "»";
}

std::string ReadSolveFor(std::string_view text, SweepOptions& options) {
    for (const SweptParameter kind : AllSweptParameters) {
        if (text == CaptionsOf(kind).word) {
            options.solveFor = kind;
            return {};
        }
    }
    return "параметр --solve-for принимает ratio, temperature или pressure, получено «" +
           ShownValue(text) + "»";
}

std::string ReadMap(std::string_view text, SweepOptions& options) {
    for (const MapFigureText& map : MapFigures) {
        if (text == map.word) {
            options.map = map.figure;
            return {};
        }
    }
    return "параметр --map принимает carbon-limit, methane-slip или h2-co, получено «" +
           ShownValue(text) + "»";
}

std::string ReadMapTemperatures(std::string_view text, SweepOptions& options) {
    return ReadGrid("--temperatures", text, options.mapTemperatures);
}

std::string ReadMapPressures(std::string_view text, SweepOptions& options) {
    return ReadGrid("--pressures", text, options.mapPressures);
}

const char* TargetFigureWord(PointFigureKind figure) {
    return TargetFigures[static_cast<int>(figure)].word;
}

const char* TargetFigureName(PointFigureKind figure) {
    return TargetFigures[static_cast<int>(figure)].name;
}

const char* MapFigureWord(MapFigure figure) {
    return MapFigures[static_cast<int>(figure)].word;
}

std::string EnvelopeOptionsConflict(const SweepOptions& o, const std::vector<std::string>& given) {
    if (Given(given, "--ratio") && Given(given, "--steam-to-carbon"))
        return "параметры --ratio и --steam-to-carbon не задаются вместе: пар задаётся либо "
               "на моль исходного газа, либо как S/C";
    const bool anyRange = o.rangeFrom || o.rangeTo || o.rangeStep;
    if (anyRange && !(o.rangeFrom && o.rangeTo && o.rangeStep))
        return "диапазон задаётся тремя параметрами вместе: --from, --to и --step";
    if (o.target.has_value() != o.solveFor.has_value())
        return "параметры --target и --solve-for задаются вместе, например --target h2_co=2 "
               "--solve-for ratio";
    const bool grids = o.mapTemperatures || o.mapPressures;
    if (o.map.has_value() != (o.mapTemperatures && o.mapPressures) || (grids && !o.map.has_value()))
        return "карта задаётся тремя параметрами вместе: --map, --temperatures A:B:ШАГ и "
               "--pressures A:B:ШАГ";
    const int modes =
        (o.carbonLimit ? 1 : 0) + (o.map ? 1 : 0) + (o.target ? 1 : 0) + (o.approachFrom ? 1 : 0);
    if (modes > 1)
        return "из --carbon-limit, --map, --target и --approach-from задаётся только один";
    if (anyRange && modes > 0)
        return "--from, --to и --step задают диапазон расчёта по точкам и не действуют вместе с "
               "--carbon-limit, --map, --target или --approach-from";
    if (o.target && o.chartFile)
        return "параметр --chart рисует расчёт по точкам, --carbon-limit и --map; у --target "
               "рисунка нет";
    if ((o.map || o.target) && (Given(given, "--sweep") || Given(given, "--view")))
        return "параметры --sweep и --view не действуют вместе с --map и --target";
    if (o.steamToCarbon && (o.approachFrom || o.carbonLimit))
        return "параметр --steam-to-carbon не действует вместе с --approach-from и "
               "--carbon-limit (таблица границы выпадения углерода и так даёт S/C)";
    if (o.pressureUnit != PressureUnit::Atm && o.approachFrom)
        return "параметр --pressure-unit не действует вместе с --approach-from: давление "
               "анализа задаётся в атм";
    return {};
}

} // namespace quorvel
