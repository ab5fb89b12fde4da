#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "report/OutputFile.h"

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

// The same file written a few lines at a time, for a text too long to hold at once.
// Lines are numbered across all calls in the message about a character windows-1251
// cannot hold. The old file is replaced only by commit(); after any failure nothing more
// is written and the earlier file stays as it was.
class TableFileWriter {
public:
    explicit TableFileWriter(const QByteArray& nativeName);
    bool open(QString* errorMessage);
    bool write(const QStringList& lines, QString* errorMessage);
    bool commit(QString* errorMessage);

private:
    QByteArray name_;
    OutputFileWriter file_;
    int linesWritten_ = 0;
};

} // namespace quorvel
