#pragma once

// The options of the working envelope: a chosen sweep range, steam as S/C, the pressure
// unit, the target search and the T x P maps.

#include <string>
#include <string_view>
#include <vector>

#include "cli/SweepOptions.h"

namespace quorvel {

// Readers of the options; each returns an error line or an empty string.
std::string ReadRangeFrom(std::string_view text, SweepOptions& options);
std::string ReadRangeTo(std::string_view text, SweepOptions& options);
std::string ReadRangeStep(std::string_view text, SweepOptions& options);
std::string ReadSteamToCarbon(std::string_view text, SweepOptions& options);
std::string ReadPressureUnit(std::string_view text, SweepOptions& options);
std::string ReadTarget(std::string_view text, SweepOptions& options);
std::string ReadSolveFor(std::string_view text, SweepOptions& options);
std::string ReadMap(std::string_view text, SweepOptions& options);
std::string ReadMapTemperatures(std::string_view text, SweepOptions& options);
std::string ReadMapPressures(std::string_view text, SweepOptions& options);

// An option of these that does not go with the others given (`given`: every option
// named on the command line); empty when they fit together.
std::string EnvelopeOptionsConflict(const SweepOptions& options,
                                    const std::vector<std::string>& given);

// The command-line word of a target figure ("h2_co") and its name in a sentence.
const char* TargetFigureWord(PointFigureKind figure);
const char* TargetFigureName(PointFigureKind figure);

// The command-line word of a map ("carbon-limit").
const char* MapFigureWord(MapFigure figure);

} // namespace quorvel
