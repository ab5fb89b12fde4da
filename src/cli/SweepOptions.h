#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/ApproachReadBack.h"
#include "engine/ApproachToEquilibrium.h"
#include "engine/ConstantsSource.h"
#include "engine/EntryUnits.h"
#include "engine/InletEnthalpy.h"
#include "engine/PointFigure.h"
#include "engine/ReformingMap.h"
#include "engine/SolverPath.h"
#include "engine/SweepKinds.h"

namespace quorvel {

enum class OutputFormat { Table, Csv };

// Start, end and step of a grid, in the units the parameter is entered in.
struct GridRequest {
    double from = 0;
    double to = 0;
    double step = 0;
};

// --target FIGURE=VALUE: the figure and the value it is to reach.
struct TargetRequest {
    PointFigureKind figure = PointFigureKind::H2toCO;
    double value = 0;
};

// Everything the command line can choose. The defaults are the main window's at
// start-up: ratio sweep, dry gas, ratio 2.5, 860 degrees C, 25 atm, pure methane.
struct SweepOptions {
    SweptParameter XAxisMode = SweptParameter::Ratio;
    ResultView YAxisMode = ResultView::Dry;
    double ratio = 2.5;
    double temperature = 860;
    double pressure = 25;
    bool ratioGiven = false; // by --ratio or by --steam-to-carbon
    bool temperatureGiven = false;
    bool pressureGiven = false;
    // Steam entered and shown as S/C (--steam-to-carbon gives `ratio` as S/C).
    bool steamToCarbon = false;
    PressureUnit pressureUnit = PressureUnit::Atm; // of --pressure, the table and the CSV
    // --from, --to, --step: the swept parameter's range instead of the design's grid.
    std::optional<double> rangeFrom;
    std::optional<double> rangeTo;
    std::optional<double> rangeStep;
    // --target with --solve-for: the parameter at which a figure reaches a value.
    std::optional<TargetRequest> target;
    std::optional<SweptParameter> solveFor;
    // --map with --temperatures (degrees C) and --pressures (the pressure unit).
    std::optional<MapFigure> map;
    std::optional<GridRequest> mapTemperatures;
    std::optional<GridRequest> mapPressures;
    std::optional<std::array<double, 9>> feed; // per cent by volume, dialog order
    std::optional<char> decimalSeparator;      // the locale's when not given
    OutputFormat format = OutputFormat::Table;
    // Where the equilibrium constants come from: the program's correlation or the
    // standard thermodynamic data.
    ConstantsSource constants = ConstantsSource::Builtin;
    // How the points are solved: the designed solver before the refinement, or the
    // refinement alone; the figures agree.
    SolverPath solver = SolverPath::Designed;
    std::optional<std::string> outputFile; // as given, in the local 8-bit encoding
    std::optional<std::string> chartFile;
    int chartWidth = 438; // the chart's size in the window at its design size
    int chartHeight = 269;
    // Inlet temperatures of the heat duty and the approach to equilibrium of the sweep.
    InletTemperatures inlet{};
    ApproachToEquilibrium approach{};
    // Read the approach back from this measured dry gas instead of sweeping.
    std::optional<MeasuredDryGas> approachFrom;
    // Print the minimum steam ratio table (300..980 C) instead of a sweep.
    bool carbonLimit = false;
    // Run every case of this CSV file ("-": standard input) and write one CSV.
    std::optional<std::string> batchFile;
    bool help = false;
    bool version = false;
};

// Smallest and largest side of a chart picture, in pixels.
inline constexpr int SmallestPictureSide = 50;
inline constexpr int LargestPictureSide = 10000;

struct ParsedOptions {
    SweepOptions options;
    std::string error; // one line, empty when the command line is sound
};

// Every option the parser knows ("--ratio", ..., "-h"), in alphabetical order: the list
// against which the help, the man page and the README are checked.
std::vector<std::string> SweepOptionNames();

// Reads the arguments after the program name. Options take their value as the next
// argument or after "=" (--ratio 3 or --ratio=3); a repeated option keeps its last
// value.
ParsedOptions ParseSweepOptions(const std::vector<std::string>& arguments);

} // namespace quorvel
