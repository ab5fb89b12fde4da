#pragma once

#include <QChar>
#include <QString>

#include "engine/SweepRange.h"

namespace quorvel {

// Why a grid of points cannot be swept, in the program's words, or an empty text when it
// can: a step that is not positive, an end below the start, or more points than a sweep
// holds (`capacity`). `range` holds the start and end already clamped to the limits and
// its count from SweepRangePointCount; `what` names the grid ("диапазона"). The numbers
// are written with `separator`. The text starts in lower case, without a full stop.
QString GridRefusal(const QString& what, const SweepRange& range, int capacity, QChar separator);

} // namespace quorvel
