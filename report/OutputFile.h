#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel {

// Writes `bytes` to the file whose name is given in the system's own 8-bit form (so a
// name that is not valid UTF-8 is used byte for byte).
//
// - A target that exists and is not a regular file (a device such as /dev/null, a
//   FIFO, a socket, /dev/stdout) is opened and written in place; it is never replaced.
// - A regular file, or a new one, is written to a temporary file beside it that
//   replaces it only when complete, so a failure leaves any earlier file untouched.
// - Only when no temporary file can be made there (a folder the user may not write)
//   and the file itself may be written, it is written in place.
//
// On failure returns false and, if errorMessage is given, a Russian sentence naming the
// file, with a Russian reason for the common causes (no permission, no such folder, a
// full disk, a folder in place of the file, a read-only file or disk) and the system's
// own text otherwise.
bool WriteOutputFile(const QByteArray& nativeName, const QByteArray& bytes, QString* errorMessage);

// The Russian reason for a file error number, or `systemText` when it is not one of the
// common causes named above.
QString FileErrorReason(int errorNumber, const QString& systemText);

} // namespace quorvel
