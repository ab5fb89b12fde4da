#pragma once

#include <QChar>
#include <QString>

#include "engine/ApproachToEquilibrium.h"

namespace quorvel {

// The table header line that states a non-zero approach to equilibrium; empty where
// both approaches are zero, whose tables carry no such line.
QString ApproachHeaderLine(const ApproachToEquilibrium& approach, QChar decimalSeparator);

} // namespace quorvel
