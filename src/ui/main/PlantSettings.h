#pragma once

#include "engine/ApproachToEquilibrium.h"
#include "engine/InletEnthalpy.h"

namespace quorvel {

// The reformer's plant conditions of the Options menu, remembered between runs in the
// program's settings: the inlet temperatures of the feed gas and the steam (each may be
// not given: the point's own temperature) and the approach to equilibrium of each
// reaction. A value missing from the settings, unreadable or out of its range counts as
// not given (an inlet) or zero (an approach).
InletTemperatures LoadInletTemperatures();
void SaveInletTemperatures(const InletTemperatures& inlet);
ApproachToEquilibrium LoadApproach();
void SaveApproach(const ApproachToEquilibrium& approach);

} // namespace quorvel
