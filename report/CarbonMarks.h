#pragma once

#include <QStringList>

#include "engine/CarbonActivity.h"
#include "engine/Engine.h"

namespace quorvel {

// What a point line ends with where carbon can form, and the line that explains it.
inline constexpr char16_t CarbonMark[] = u"  C";
inline constexpr char16_t CarbonMarkFootnote[] =
    u"C — возможно выпадение углерода (активность углерода > 1)";

// Marks a results table (as ResultsTableLines wrote it, its point lines last) for
// carbon formation: every point line whose point has a carbon activity above 1 gets
// CarbonMark, and the table ends with an empty line and the footnote.
void MarkCarbonFormation(const Engine& engine, QStringList& tableLines);

} // namespace quorvel
