#pragma once

#include <QString>

#include "engine/ConstantsSource.h"

namespace quorvel {

// The table header line that names the source of the equilibrium constants; empty for
// the program's own correlation, whose tables carry no such line.
QString ConstantsHeaderLine(ConstantsSource source);

} // namespace quorvel
