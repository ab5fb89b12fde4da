#pragma once

#include <QChar>
#include <QString>

#include <optional>

#include "engine/Engine.h"
#include "engine/InputLimits.h"

// The process parameters as the user enters and reads them: steam as the ratio or as
// S/C, pressure in the chosen unit. With the default units every text is the caption
// table's own, so the default table reads exactly as before.

namespace quorvel {

struct PressureUnitCaptions {
    const char* word;      // command line: --pressure-unit bar
    const char* name;      // after a number or a label: "бар"
    const char* csvSuffix; // the CSV column pressure_<suffix>
};

inline constexpr PressureUnitCaptions PressureUnitTexts[PressureUnitCount] = {
    {"atm", "атм", "atm"},
    {"bar", "бар", "bar"},
    {"mpa", "МПа", "MPa"},
    {"kgf", "кгс/см2", "kgf_cm2"}};

constexpr const PressureUnitCaptions& CaptionsOf(PressureUnit unit) {
    return PressureUnitTexts[static_cast<int>(unit)];
}

// The label of a parameter in the table's header lines: "Давление, бар",
// "Отношение пар/углерод (S/C)".
QString ShownLabel(const Engine& engine, SweptParameter parameter);

// The chart's title of the swept parameter's axis: the caption table's name, or the
// label in S/C or the chosen pressure unit where those are shown.
QString ShownAxisTitle(const Engine& engine, SweptParameter parameter);

// The entered value of a parameter in its shown units (S/C, the pressure unit).
double ShownInputValue(const Engine& engine, SweptParameter parameter);

// A model value (ratio per mol feed gas, degrees C, atm) in the shown units, and back.
double ShownFromModel(const Engine& engine, SweptParameter parameter, double value);
double ModelFromShown(const Engine& engine, SweptParameter parameter, double value);

// A value shown in the units `from` restated in the engine's own units, for an entry
// whose units have just changed. S/C without hydrocarbon carbon to refer to cannot be
// restated: then nothing is returned.
std::optional<double> RestatedShownValue(const Engine& engine, SweptParameter parameter,
                                         double value, EntryUnits from);

// The table's first column heading (11 characters) and the CSV's first column name.
QString ShownColumnHeading(const Engine& engine, SweptParameter parameter);
QString ShownCsvColumn(const Engine& engine, SweptParameter parameter);

// The limits of a parameter in its entered units (S/C, the pressure unit), for the
// engine's constants: the builtin correlation keeps the design's limits.
EntryLimits ShownLimits(const Engine& engine, SweptParameter parameter);

// The design's grid of the swept parameter restated in the entered units, so that its
// points are shown in them: the pressures of 15..30 atm in the pressure unit, and S/C at
// the ratio grid's values within the S/C limits of this feed. Count 0 (the design's grid
// itself) where the entered units are the model's.
SweepRange DesignGridInShownUnits(const Engine& engine, SweptParameter swept);

// The header line of a chosen range, "Диапазон: от A до B, шаг C"; its last point as B.
QString RangeHeaderLine(const SweepRange& range, QChar decimalSeparator);

// The header line naming a pressure unit other than atm, empty for atm.
QString PressureUnitHeaderLine(const Engine& engine);

} // namespace quorvel
