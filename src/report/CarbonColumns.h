#pragma once

#include <QString>
#include <QStringList>

#include "engine/CarbonActivity.h"
#include "engine/Engine.h"

namespace quorvel {

// The carbon activities as the last three CSV columns.
QString CarbonColumnsHeader();

// Appends both activities of point i at full precision ("inf" for an infinite one) and
// carbon_forms, 1 where the larger exceeds 1 and 0 otherwise; three empty fields where
// the point has no physical composition.
void AppendCarbonFields(const CarbonSeries& carbon, int i, QStringList& fields);

} // namespace quorvel
