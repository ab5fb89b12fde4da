#pragma once

#include "engine/ProcessData.h"

namespace quorvel {

// The carbon activities of the stored points, beside ResultSeries and indexed like it
// (entries 0..LastIndex belong to the last run).
struct CarbonSeries {
    double Cracking[ResultCapacity];  // a_crack = Kc pCH4 / pH2^2
    double Boudouard[ResultCapacity]; // a_boud = Kb pCO^2 / pCO2
    // False where the point's composition is not physical (an amount not positive):
    // no activity is given there.
    bool Known[ResultCapacity];
};

} // namespace quorvel
