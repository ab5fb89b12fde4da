#pragma once

#include <QString>
#include <QStringList>

#include "engine/Engine.h"

namespace quorvel {

// The lines "Export CSV" writes: comment lines starting with "# " that name the sweep,
// the view, the three process conditions, the source of the equilibrium constants when
// it is the standard data, and the nine feed components, then exactly
// the lines of CsvLines (header row and one row per point). Numbers with a point.
QStringList CsvExportLines(const Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode);

// Writes lines as UTF-8 text, each ended by a line feed, through WriteOutputFile (the
// rules and messages of "Save As"). False and, if errorMessage is given, a Russian
// message naming the file on failure.
bool SaveUtf8TextFile(const QString& fileName, const QStringList& lines, QString* errorMessage);

} // namespace quorvel
