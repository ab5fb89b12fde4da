#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvel {

// Saves table lines as a text file the way "Save As" does: windows-1251, every line
// (the last included) ended by CR LF. A line break inside a line also becomes CR LF.
// The bytes go out through WriteOutputFile: a regular file is replaced only when the
// whole text has been written (written in place only where the folder allows no
// temporary file), and a device or FIFO is written as it is. A character windows-1251 cannot hold
// is refused rather than altered: nothing is written and the message names the character and its
// line. On failure returns false and, if errorMessage is given, a Russian message naming the file.
bool SaveTableFile(const QString& fileName, const QStringList& lines, QString* errorMessage);

// The same for a file name in the system's 8-bit form, used byte for byte.
bool SaveTableFile(const QByteArray& nativeName, const QStringList& lines, QString* errorMessage);

} // namespace quorvel
