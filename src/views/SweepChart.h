#pragma once

#include <QString>

#include "engine/Engine.h"
#include "views/ReformingChartView.h"

namespace quorvel {

// The chart's texts for one swept parameter and one view, from the caption table.
ReformingChartTexts SweepChartTexts(SweptParameter XAxisMode, ResultView YAxisMode);
// The same, with the swept parameter's axis named in the engine's entered units (S/C, the
// pressure unit).
ReformingChartTexts SweepChartTexts(const Engine& engine, SweptParameter XAxisMode,
                                    ResultView YAxisMode);

// The swept parameter as the chart's bottom axis and its readout name it.
QString SweptParameterName(SweptParameter XAxisMode);

// The curves of the engine's last sweep; points without a physical composition are
// left out of every curve.
CurveData SweepCurves(const Engine& engine);

} // namespace quorvel
