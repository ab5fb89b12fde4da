#pragma once

#include <QChar>
#include <QString>

#include <vector>

#include "views/ReformingChartView.h"
#include "engine/Engine.h"

namespace quorvel {

// The reformer figures the chart readout adds below the curves' values at the sweep
// point whose swept value is x: methane conversion (four decimals, like the mole
// fractions), steam-to-carbon ratio (two decimals, like the swept ratio) and heat duty
// in kJ per mol of feed gas (two decimals; its caption names the inlet temperatures it
// counts from, where any is given), and the larger of the two carbon activities (three
// decimals; above 1 carbon can form). None when no stored point has that X.
std::vector<ReadoutFigure> ReadoutFigures(const Engine& engine, double x, QChar decimalSeparator);

// The caption of the heat duty: "Теплота процесса, кДж/моль" for the isothermal heat of
// reaction, otherwise with the inlet temperatures of the feed gas and the steam (the
// point's own where one is not given).
QString HeatDutyCaption(const InletTemperatures& inlet, QChar decimalSeparator);

} // namespace quorvel
