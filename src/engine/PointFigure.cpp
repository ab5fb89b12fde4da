#include "engine/PointFigure.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointCarbon.h"
#include "engine/ReformerFigures.h"
#include "engine/RootRefinement.h"
#include "engine/SolverSettings.h"

#include <limits>

namespace quorvel {

double FigureAtPoint(Engine& engine, PointFigureKind kind) {
    const RefinedRoot root = RefineRoot(engine);
    // The refinement judges its own arithmetic; what it leaves is not the figure's fault.
    ClearFloatingPointFaults();
    const double undefined = std::numeric_limits<double>::quiet_NaN();
    if (!root.physical)
        return undefined;
    double figure = undefined;
    const PointComposition& pc = engine.pointComposition;
    switch (kind) {
    case PointFigureKind::H2toCO:
        // The ratios view stores them from the wet composition.
        ComputeCompositionOfAmounts(engine, root.amounts, false);
        figure = pc.H2 / pc.CO;
        break;
    case PointFigureKind::CO2toCO:
        ComputeCompositionOfAmounts(engine, root.amounts, false);
        figure = pc.CO2 / pc.CO;
        break;
    case PointFigureKind::MethaneDryPercent:
        ComputeCompositionOfAmounts(engine, root.amounts, true);
        figure = pc.CH4 * 100;
        break;
    case PointFigureKind::MethaneConversion: {
        const ProcessConditions& c = engine.processConditions;
        const double x = root.amounts[CarbonMonoxide] - engine.feedTotals.CO;
        const double y = root.amounts[CarbonDioxide] - engine.feedTotals.CO2;
        figure = ComputePointFigures(engine.feedComposition, engine.feedTotals, c.Ratio,
                                     c.Temperature - SweepSettings::CelsiusToKelvin, x, y)
                     .MethaneConversion;
        // The heat duty computed beside it is not this figure's concern.
        ClearFloatingPointFaults();
        break;
    }
    case PointFigureKind::CarbonActivity: {
        CarbonActivity activity{};
        if (!CarbonActivityAtPoint(engine, root.amounts, activity))
            return undefined;
        figure = LargerActivity(activity);
        break;
    }
    }
    ThrowOnFloatingPointFault();
    return figure;
}

} // namespace quorvel
