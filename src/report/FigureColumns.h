#pragma once

#include <QString>
#include <QStringList>

#include "engine/Engine.h"

namespace quorvel {

// The reformer figures as the last four CSV columns.
QString FigureColumnsHeader();

// Appends the four figures of point i at full precision (the shortest text that reads
// back to the same double, with a point); an undefined figure is an empty field.
void AppendFigureFields(const ReformerFigures& figures, int i, QStringList& fields);

} // namespace quorvel
