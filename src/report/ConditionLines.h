#pragma once

#include <QChar>
#include <QStringList>

#include "engine/Engine.h"

namespace quorvel {

// The name of feed component `index` (0-8, the feed dialog's order), as the tables and
// the CSV export's comment lines give it.
QString FeedComponentName(int index);

// The feed as the CSV export's comment lines give it (without their "# "): the heading
// "Исходный газ, % об.:", then one line "Name: value" per component in the feed
// dialog's order.
QStringList FeedLines(const Engine& engine, QChar decimalSeparator);

// The caption under a chart picture, so that a figure can be traced back: the fixed
// parameters (all but the swept one), the feed components other than zero and the source
// of the equilibrium constants, each on a line of its own.
QStringList ChartCaptionLines(const Engine& engine, SweptParameter XAxisMode,
                              QChar decimalSeparator);

} // namespace quorvel
