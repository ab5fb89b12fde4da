#include "cli/SweepOptions.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string_view>

#include "cli/EnvelopeOptions.h"
#include "cli/NumberArgument.h"
#include "cli/PlantOptions.h"
#include "cli/ShownValue.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

const std::string HelpHint = " (список параметров: quorvel-sweep --help)";

// Picks the index of `value` in `names`, or reports the allowed names.
std::optional<int> ModeIndex(std::string_view value, const std::vector<std::string_view>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (value == names[i])
            return static_cast<int>(i);
    }
    return std::nullopt;
}

// The kind whose command-line word is `value`: the one check of a --sweep or --view word.
template <class Kind, std::size_t Count>
std::optional<Kind> KindNamed(std::string_view value, const Kind (&kinds)[Count]) {
    for (const Kind kind : kinds) {
        if (value == CaptionsOf(kind).word)
            return kind;
    }
    return std::nullopt;
}

// "a, b или c": the command-line words of every kind, for the refusal message.
template <class Kind, std::size_t Count> std::string WordList(const Kind (&kinds)[Count]) {
    std::string list;
    for (std::size_t i = 0; i < Count; ++i) {
        if (i > 0)
            list += i + 1 == Count ? " или " : ", ";
        list += CaptionsOf(kinds[i]).word;
    }
    return list;
}

std::string NumberError(const std::string& option, std::string_view text, NumberStatus status) {
    if (status == NumberStatus::OutOfRange)
        return "значение «" + ShownValue(text) + "» параметра " + option +
               " выходит за пределы чисел двойной точности";
    return "значение «" + ShownValue(text) + "» параметра " + option +
           " не является числом (дробную часть отделяйте точкой: 2.5)";
}

// Reads one number option into `target`; returns an error line or an empty string.
std::string ReadNumber(const std::string& option, std::string_view text, double& target) {
    const ParsedNumber parsed = ParseNumberArgument(text);
    if (parsed.status != NumberStatus::Ok)
        return NumberError(option, text, parsed.status);
    target = parsed.value;
    return {};
}

std::string ReadFeed(std::string_view text, SweepOptions& options) {
    const auto parts = SplitAtCommas(text);
    if (parts.size() != 9)
        return "параметр --feed ждёт девять чисел через запятую "
               "(CH4,C2H6,C3H8,C4H10,N2,CO,CO2,H2,H2O), получено " +
               std::to_string(parts.size());
    std::array<double, 9> feed{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ParsedNumber parsed = ParseNumberArgument(parts[i]);
        if (parsed.status != NumberStatus::Ok)
            return NumberError("--feed", parts[i], parsed.status);
        feed[i] = parsed.value;
    }
    options.feed = feed;
    return {};
}

std::string ReadSize(std::string_view text, SweepOptions& options) {
    const auto size = ParsePictureSize(text);
    const auto fits = [](int side) {
        return side >= SmallestPictureSide && side <= LargestPictureSide;
    };
    if (!size || !fits(size->width) || !fits(size->height))
        return "параметр --size ждёт размер вида ШИРИНАxВЫСОТА в пикселях, каждая сторона от " +
               std::to_string(SmallestPictureSide) + " до " + std::to_string(LargestPictureSide) +
               ", например 438x269; получено «" + ShownValue(text) + "»";
    options.chartWidth = size->width;
    options.chartHeight = size->height;
    return {};
}

using ValueReader = std::function<std::string(std::string_view, SweepOptions&)>;

const std::map<std::string, ValueReader, std::less<>>& ValueOptions() {
    static const std::map<std::string, ValueReader, std::less<>> readers = {
        {"--sweep",
         [](std::string_view v, SweepOptions& o) -> std::string {
             const auto kind = KindNamed(v, AllSweptParameters);
             if (!kind)
                 return "параметр --sweep принимает " + WordList(AllSweptParameters) +
                        ", получено «" + ShownValue(v) + "»";
             o.XAxisMode = *kind;
             return {};
         }},
        {"--view",
         [](std::string_view v, SweepOptions& o) -> std::string {
             const auto kind = KindNamed(v, AllResultViews);
             if (!kind)
                 return "параметр --view принимает " + WordList(AllResultViews) + ", получено «" +
                        ShownValue(v) + "»";
             o.YAxisMode = *kind;
             return {};
         }},
        {"--ratio",
         [](std::string_view v, SweepOptions& o) {
             o.ratioGiven = true;
             return ReadNumber("--ratio", v, o.ratio);
         }},
        {"--temperature",
         [](std::string_view v, SweepOptions& o) {
             o.temperatureGiven = true;
             return ReadNumber("--temperature", v, o.temperature);
         }},
        {"--pressure",
         [](std::string_view v, SweepOptions& o) {
             o.pressureGiven = true;
             return ReadNumber("--pressure", v, o.pressure);
         }},
        {"--feed", ReadFeed},
        {"--constants",
         [](std::string_view v, SweepOptions& o) -> std::string {
             if (v == "seed")
                 return "параметр --constants больше не принимает seed: собственные формулы "
                        "программы теперь называются builtin (--constants builtin)";
             const auto source = ModeIndex(v, {"builtin", "standard"});
             if (!source)
                 return "параметр --constants принимает builtin или standard, получено «" +
                        ShownValue(v) + "»";
             o.constants = *source == 0 ? ConstantsSource::Builtin : ConstantsSource::Standard;
             return {};
         }},
        {"--solver",
         [](std::string_view v, SweepOptions& o) -> std::string {
             const auto path = SolverPathOfWord(v);
             if (!path)
                 return "параметр --solver принимает designed или direct, получено «" +
                        ShownValue(v) + "»";
             o.solver = *path;
             return {};
         }},
        {"--decimal-separator",
         [](std::string_view v, SweepOptions& o) -> std::string {
             if (v != "," && v != ".")
                 return "параметр --decimal-separator принимает «,» или «.», получено «" +
                        ShownValue(v) + "»";
             o.decimalSeparator = v.front();
             return {};
         }},
        {"--format",
         [](std::string_view v, SweepOptions& o) -> std::string {
             const auto format = ModeIndex(v, {"table", "csv"});
             if (!format)
                 return "параметр --format принимает table или csv, получено «" + ShownValue(v) +
                        "»";
             o.format = *format == 0 ? OutputFormat::Table : OutputFormat::Csv;
             return {};
         }},
        {"--output",
         [](std::string_view v, SweepOptions& o) -> std::string {
             if (v.empty())
                 return "у параметра --output пустое имя файла";
             o.outputFile = std::string(v);
             return {};
         }},
        {"--chart",
         [](std::string_view v, SweepOptions& o) -> std::string {
             if (v.empty())
                 return "у параметра --chart пустое имя файла";
             o.chartFile = std::string(v);
             return {};
         }},
        {"--size", ReadSize},
        {"--feed-temperature", ReadFeedTemperature},
        {"--steam-temperature", ReadSteamTemperature},
        {"--approach-reforming", ReadApproachReforming},
        {"--approach-shift", ReadApproachShift},
        {"--approach-from", ReadApproachFrom},
        {"--from", ReadRangeFrom},
        {"--to", ReadRangeTo},
        {"--step", ReadRangeStep},
        {"--steam-to-carbon", ReadSteamToCarbon},
        {"--pressure-unit", ReadPressureUnit},
        {"--target", ReadTarget},
        {"--solve-for", ReadSolveFor},
        {"--map", ReadMap},
        {"--temperatures", ReadMapTemperatures},
        {"--pressures", ReadMapPressures},
        {"--batch",
         [](std::string_view v, SweepOptions& o) -> std::string {
             if (v.empty())
                 return "у параметра --batch пустое имя файла";
             o.batchFile = std::string(v);
             return {};
         }},
    };
    return readers;
}

// Options without a value, and what each turns on.
struct FlagOption {
    const char* name;
    bool SweepOptions::*member;
};
constexpr FlagOption FlagOptions[] = {{"--carbon-limit", &SweepOptions::carbonLimit},
                                      {"--help", &SweepOptions::help},
                                      {"-h", &SweepOptions::help},
                                      {"--version", &SweepOptions::version}};

} // namespace

std::vector<std::string> SweepOptionNames() {
    std::vector<std::string> names;
    for (const FlagOption& flag : FlagOptions)
        names.emplace_back(flag.name);
    for (const auto& [name, reader] : ValueOptions())
        names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

ParsedOptions ParseSweepOptions(const std::vector<std::string>& arguments) {
    ParsedOptions result;
    bool sizeGiven = false;
    std::string sweepOnlyOption;    // an option that --carbon-limit has no use for
    std::string batchForeignOption; // an option that a batch takes from its file instead
    bool formatGiven = false;
    std::vector<std::string> given; // every value option named, for the checks at the end
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto flag = std::find_if(std::begin(FlagOptions), std::end(FlagOptions),
                                       [&](const FlagOption& f) { return argument == f.name; });
        if (flag != std::end(FlagOptions)) {
            result.options.*(flag->member) = true;
            if (flag->member == &SweepOptions::carbonLimit)
                batchForeignOption = argument;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto reader = ValueOptions().find(name);
        if (reader == ValueOptions().end() || !argument.starts_with("--")) {
            result.error =
                (argument.starts_with("-") ? "неизвестный параметр «" : "лишний аргумент «") +
                ShownValue(argument) + "»" + HelpHint;
            return result;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            result.error = "у параметра " + name + " нет значения" + HelpHint;
            return result;
        }
        given.push_back(name);
        sizeGiven = sizeGiven || name == "--size";
        formatGiven = formatGiven || name == "--format";
        if (name != "--batch" && name != "--output" && name != "--format")
            batchForeignOption = name;
        if (name == "--sweep" || name == "--view" || name == "--ratio" || name == "--temperature")
            sweepOnlyOption = name;
        result.error = reader->second(value, result.options);
        if (!result.error.empty())
            return result;
    }
    const SweepOptions& o = result.options;
    if (o.batchFile && !o.help && !batchForeignOption.empty())
        result.error = "параметр " + batchForeignOption +
                       " не действует вместе с --batch: условия каждого случая задаются в "
                       "пакетном файле";
    else if (o.batchFile && !o.help && formatGiven && o.format == OutputFormat::Table)
        result.error = "с --batch результат пишется только в CSV: укажите --format csv или "
                       "не указывайте --format";
    else if (sizeGiven && !result.options.chartFile && !result.options.help)
        result.error = "параметр --size задаёт размер рисунка и действует только вместе с --chart";
    else if (result.options.carbonLimit && !sweepOnlyOption.empty() && !result.options.help)
        result.error = "параметр " + sweepOnlyOption +
                       " не действует вместе с --carbon-limit: таблица минимального "
                       "соотношения пар/метан строится для температур 300..980 град. С";
    else if (!result.options.help && result.error.empty())
        result.error = PlantOptionsConflict(result.options, arguments);
    if (!result.options.help && result.error.empty())
        result.error = EnvelopeOptionsConflict(result.options, given);
    return result;
}

} // namespace quorvel
