#pragma once

#include <QString>

#include "cli/SweepOptions.h"
#include "engine/CarbonLimit.h"
#include "engine/Engine.h"
#include "engine/ReformingMap.h"

namespace quorvel {

// Draws the chart of the engine's last sweep for the chosen modes and saves it as the
// PNG file of --chart at --size. False and a message naming the file on failure.
bool WriteChartPicture(const Engine& engine, const SweepOptions& options, QString* errorMessage);

// Draws the minimum steam ratio against temperature and saves it as --chart.
bool WriteCarbonLimitPicture(const CarbonLimitTable& table, const SweepOptions& options,
                             QString* errorMessage);

// Draws a T x P map as a colour map with its scale and saves it as --chart.
bool WriteMapPicture(const Engine& engine, MapFigure figure, const ReformingMap& map,
                     const SweepOptions& options, QString* errorMessage);

} // namespace quorvel
