#pragma once

#include <QString>

#include <optional>

#include "engine/Engine.h"
#include "engine/SweepRange.h"

namespace quorvel {

// The sweep range the user chose for one swept parameter, remembered between runs in
// the program's settings, with the units it was entered in: a range typed in bar means
// nothing once the pressure is entered in MPa, so it then gives way to the design's grid.
struct RememberedRange {
    bool chosen = false; // "Свой диапазон" is on: sweep this range, not the design's grid
    double from = 0;     // start, end and step as entered (start and end within the limits)
    double to = 0;
    double step = 0;
    QString units; // the units they were entered in, see EnteredUnitsTag; empty: none kept
};

// A short word for the units a parameter is entered in today: "ratio" or "S/C" for the
// steam, "C" for the temperature, the pressure unit's command-line word ("atm", "bar").
QString EnteredUnitsTag(const Engine& engine, SweptParameter parameter);

// The range kept for a parameter; not chosen when none is kept or a value is unreadable.
RememberedRange LoadSweepRange(SweptParameter parameter);
void SaveSweepRange(SweptParameter parameter, const RememberedRange& range);

// The design's grid of a parameter in its entered units, as the dialog offers it.
SweepRange DesignGridShown(const Engine& engine, SweptParameter parameter);

// The range a cycle sweeps for a remembered one: chosen, entered in today's units, its
// start and end clamped to today's limits, with at least one point and no more than a
// sweep holds. None otherwise: the design's grid then applies.
std::optional<SweepRange> UsableSweepRange(const RememberedRange& range, const Engine& engine,
                                           SweptParameter parameter);

} // namespace quorvel
