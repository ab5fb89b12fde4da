#pragma once

// The options of the reformer as a plant specifies it: the inlet temperatures of the
// feed gas and the steam, the approach to equilibrium of each reaction, and the
// approach read back from a measured outlet gas (--approach-from).

#include <QChar>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/SweepOptions.h"

namespace quorvel {

// Readers of the five options; each returns an error line or an empty string.
std::string ReadFeedTemperature(std::string_view text, SweepOptions& options);
std::string ReadSteamTemperature(std::string_view text, SweepOptions& options);
std::string ReadApproachReforming(std::string_view text, SweepOptions& options);
std::string ReadApproachShift(std::string_view text, SweepOptions& options);
// "CH4=4.5,CO=10,CO2=8,H2=70[,N2=7.5]": every species once, CH4, CO, CO2 and H2 above
// 0, N2 from 0 (100 less the others when not given), the total 100 within 0.5.
std::string ReadApproachFrom(std::string_view text, SweepOptions& options);

// An option of the command line that does not go with the others given; empty when
// they fit together.
std::string PlantOptionsConflict(const SweepOptions& options,
                                 const std::vector<std::string>& arguments);

// Prints the approach read back from options.approachFrom at the feed, ratio,
// temperature and pressure of the options, as a table or CSV, to `out` or --output.
int RunApproachReadBackCommand(const SweepOptions& options, QChar localeSeparator, std::FILE* out,
                               std::FILE* err);

} // namespace quorvel
