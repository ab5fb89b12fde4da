#pragma once

#include <QChar>
#include <QStringList>

#include "engine/CarbonLimit.h"
#include "engine/Engine.h"

namespace quorvel {

// What the limit table says for a feed without carbon, where carbon cannot form at any
// steam ratio (UTF-8).
inline constexpr const char* NoCarbonInFeedLine = "в газе нет углерода: углерод не выпадает";

// Whether the engine's feed holds carbon: any methane, ethane, propane, butane, carbon
// monoxide or dioxide.
bool FeedHasCarbon(const Engine& engine);

// What the header of the minimum steam ratio table names besides the pressure.
enum class CarbonLimitHeader {
    Pressure,        // the pressure only (quorvel-sweep --carbon-limit)
    PressureAndFeed, // the pressure and the feed, as the limit window shows and saves it
};

// The minimum steam ratio table: the pressure (and, on standard data, the line naming
// them), with PressureAndFeed the feed as the CSV export's comment lines give it, an
// empty line, the title in two lines, the column heading, then one line per temperature:
// the temperature, the minimum steam ratio ("0" where no carbon forms in the range,
// "> 5" where it still forms at 5) and the steam-to-carbon ratio it means ("—" for a feed
// without hydrocarbons). Numbers use decimalSeparator and always fit their column
// (scientific notation where fixed point is too long). For a feed without carbon, the one
// line NoCarbonInFeedLine.
QStringList CarbonLimitTableLines(const Engine& engine, const CarbonLimitTable& table,
                                  QChar decimalSeparator,
                                  CarbonLimitHeader header = CarbonLimitHeader::Pressure);

// The same as comma-separated values, temperature_c,min_ratio,min_steam_to_carbon, at
// full precision with a point: "inf" for "> 5", 0 for "0", an empty steam-to-carbon
// field for a feed without hydrocarbons.
QStringList CarbonLimitCsvLines(const CarbonLimitTable& table);

} // namespace quorvel
