#pragma once

#include <QByteArray>
#include <QString>

#include <span>
#include <sys/types.h>

namespace quorvel {

// Writes a file piece by piece, for a writer that produces its text as it goes (a long
// batch), with the same rules as WriteOutputFile. The name is given in the system's own
// 8-bit form, so a name that is not valid UTF-8 is used byte for byte.
//
// - A symbolic link is followed: the link stays, its final target gets the data under
//   the rules below (a dangling link's target is created).
// - A target that exists and is not a regular file (a device such as /dev/null, a
//   FIFO, a socket, /dev/stdout) is opened and written in place; it is never replaced.
// - A regular file, or a new one, is written to a temporary file beside it that
//   replaces it only at commit(), so a failure leaves any earlier file untouched.
// - Only when no temporary file can be made there (a folder the user may not write)
//   and the file itself may be written, it is written in place.
//
// Every failure gives a Russian sentence naming the file as given, with its reason
// from FileErrorReason. A writer destroyed before commit() removes its temporary file.
class OutputFileWriter {
public:
    explicit OutputFileWriter(QByteArray nativeName);
    ~OutputFileWriter();
    OutputFileWriter(const OutputFileWriter&) = delete;
    OutputFileWriter& operator=(const OutputFileWriter&) = delete;

    bool open(QString* errorMessage);
    bool write(const QByteArray& bytes, QString* errorMessage);
    bool commit(QString* errorMessage);
    // Gives the file up: the temporary is removed and an earlier file stays as it was.
    void cancel();

private:
    enum class Mode { Replace, InPlace, Device };
    // Closes, removes the temporary and words the failure; `opened` says whether the
    // file was open when it happened.
    bool fail(QString* errorMessage, int error, bool opened);

    QByteArray name_;      // as given
    QByteArray target_;    // the file the data goes to, symbolic links followed
    QByteArray temporary_; // beside target_, while Mode::Replace
    Mode mode_ = Mode::Replace;
    int descriptor_ = -1;
    mode_t permissions_ = 0;
};

// Writes `bytes` to the file whose name is given in the system's own 8-bit form, as
// OutputFileWriter does: open, one write, commit. On failure returns false and, if
// errorMessage is given, the writer's Russian sentence.
bool WriteOutputFile(const QByteArray& nativeName, const QByteArray& bytes, QString* errorMessage);

// One Russian reason for a file error number. ENOENT reads two ways: the file is
// missing, or the folder it should be in is.
struct FileErrorText {
    int errorNumber;
    bool folderMissing; // for ENOENT: the folder, not the file, is missing
    const char* reason; // UTF-8
};

// Every error number that has a reason of its own; the others read as "ошибка системы
// с кодом N".
std::span<const FileErrorText> FileErrorTexts();

// The reason for an error number (folderMissing matters for ENOENT only).
QString FileErrorReason(int errorNumber, bool folderMissing = false);

// The reason for an error met on the named file: ENOENT says whether the file or its
// folder is missing.
QString FileErrorReasonFor(int errorNumber, const QByteArray& nativeName);

} // namespace quorvel
