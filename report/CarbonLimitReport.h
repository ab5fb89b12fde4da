#pragma once

#include <QChar>
#include <QStringList>

#include "engine/CarbonLimit.h"
#include "engine/Engine.h"

namespace quorvel {

// The minimum steam ratio table as the limit window shows and saves it: the pressure
// (and, on standard data, the line naming them), an empty line, the title in two lines, the column
// heading, then one line per temperature: the temperature, the minimum steam ratio
// ("0" where no carbon forms in the range, "> 5" where it still forms at 5) and the
// steam-to-carbon ratio it means ("—" for a feed without hydrocarbons). Numbers use
// decimalSeparator.
QStringList CarbonLimitTableLines(const Engine& engine, const CarbonLimitTable& table,
                                  QChar decimalSeparator);

// The same as comma-separated values, temperature_c,min_ratio,min_steam_to_carbon, at
// full precision with a point: "inf" for "> 5", 0 for "0", an empty steam-to-carbon
// field for a feed without hydrocarbons.
QStringList CarbonLimitCsvLines(const CarbonLimitTable& table);

} // namespace quorvel
