#pragma once

#include <QChar>
#include <QStringList>

#include "engine/ApproachReadBack.h"

namespace quorvel {

// The read-back of an analysis as text lines: the conditions and the analysis, which
// constants the temperatures refer to, the water, both quotients, the equilibrium
// temperatures (or why one lies outside the search range), the approaches, the carbon
// activity and the hydrogen balance. The result must have waterPositive set.
QStringList ApproachReadBackTableLines(const Engine& engine, const MeasuredDryGas& gas,
                                       const ApproachReadBack& result, QChar decimalSeparator);

// The same as one CSV header and one row at full precision; a temperature and its
// approach outside the search range are empty fields.
QStringList ApproachReadBackCsvLines(const ApproachReadBack& result);

} // namespace quorvel
