#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include "engine/ReformingMap.h"
#include "engine/TargetSearch.h"

// The results of a target search and of a T x P map, as table lines and as CSV lines.
// Parameters appear in the entered units (S/C, the pressure unit; ShownParameters.h).

namespace quorvel {

// A found target: the held parameters, the target and the answer. `figureName` names the
// figure ("H2/CO"), `target` its value.
QStringList TargetTableLines(const Engine& engine, SweptParameter solveFor,
                             const QString& figureName, double target, const TargetResult& result,
                             QChar decimalSeparator);

// "solve_for,value,target,achieved" and one row, value in the entered units.
QStringList TargetCsvLines(const Engine& engine, SweptParameter solveFor, double target,
                           const TargetResult& result);

// The map as a table: a title, the held parameter, one heading row of pressures and one
// row per temperature.
QStringList MapTableLines(const Engine& engine, MapFigure figure, const ReformingMap& map,
                          QChar decimalSeparator);

// The map's title line: the figure, in S/C or per mole of feed gas as entered.
QString MapTitle(const Engine& engine, MapFigure figure);

// The figure in a few words, for the colour scale beside a map's chart.
QString MapValueCaption(const Engine& engine, MapFigure figure);

// The value of one cell as the map shows it (S/C in S/C mode): 0 where no steam is needed,
// infinity where carbon still forms at the top of the ratio range, NaN without a value.
double MapCellValue(const Engine& engine, MapFigure figure, const ReformingMap& map, int cell);

// "temperature_c,pressure,value" and one row per cell, temperatures outer, pressures in
// the entered unit; a carbon limit as --carbon-limit writes it (inf, 0), as S/C in S/C mode.
QStringList MapCsvLines(const Engine& engine, MapFigure figure, const ReformingMap& map);

} // namespace quorvel
