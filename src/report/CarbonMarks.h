#pragma once

#include <QStringList>

#include "engine/CarbonActivity.h"
#include "engine/Engine.h"

namespace quorvel {

// What a point line begins with where carbon can form, and the line that explains it.
// The mark takes the place of the line's first character, a space of the swept value's
// right-aligned field, so it shows in the table's first column without scrolling and
// every column keeps its place.
inline constexpr char16_t CarbonMark = u'C';
inline constexpr char16_t CarbonMarkFootnote[] =
    u"C — возможно выпадение углерода (активность углерода > 1)";

// Marks a results table (as ResultsTableLines wrote it, its point lines last) for
// carbon formation: every point line whose point has a carbon activity above 1 begins
// with CarbonMark (a line that does not begin with a space gets "  C" at its end
// instead). When at least one line is marked, the table ends with an empty line and the
// footnote; otherwise it is left as it was. Returns the number of marked lines.
int MarkCarbonFormation(const Engine& engine, QStringList& tableLines);

} // namespace quorvel
