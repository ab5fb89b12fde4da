#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// Saves table lines as a text file the way "Save As" does: windows-1251, every line
// (the last included) ended by CR LF. A line break inside a line also becomes CR LF.
// The file is replaced only when the whole text has been written, so a failure leaves
// any earlier file untouched. A character windows-1251 cannot hold is refused rather
// than altered: nothing is written and the message names the character and its line.
// On failure returns false and, if errorMessage is given, a Russian message naming the
// file.
bool SaveTableFile(const QString& fileName, const QStringList& lines, QString* errorMessage);

} // namespace quorvel
