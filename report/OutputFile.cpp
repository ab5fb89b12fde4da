#include "report/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

enum class TargetKind { Missing, Regular, Folder, Special };

TargetKind KindOf(const QByteArray& name) {
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return TargetKind::Missing;
    if (S_ISREG(info.st_mode))
        return TargetKind::Regular;
    if (S_ISDIR(info.st_mode))
        return TargetKind::Folder;
    return TargetKind::Special;
}

QString ShownName(const QByteArray& nativeName) {
    return QDir::toNativeSeparators(QFile::decodeName(nativeName));
}

QString SystemText(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

bool Fail(QString* errorMessage, const QString& text) {
    if (errorMessage)
        *errorMessage = text;
    return false;
}

QString Untouched() {
    return QStringLiteral("Прежний файл, если он был, не изменён.");
}

QString WrittenInPlace() {
    return QStringLiteral("Файл записывался на месте и мог остаться неполным.");
}

QByteArray FolderOf(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : name.left(slash);
}

// Whether a temporary file can be made beside the target.
bool FolderTakesNewFiles(const QByteArray& name) {
    return ::access(FolderOf(name).constData(), W_OK | X_OK) == 0;
}

// The permissions of a newly created file: everyone may read and write, less umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString CannotCreate(const QByteArray& name, const QString& reason) {
    return QStringLiteral("Не удалось создать файл «%1»: %2.").arg(ShownName(name), reason);
}

// Writes everything through a descriptor, resuming after interruptions; false with
// errno set on the first failure.
bool WriteAll(int descriptor, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A device, FIFO or socket: opened as it is and written in place, as a shell
// redirection would. Nothing is created, replaced or truncated.
bool WriteInPlace(const QByteArray& name, const QByteArray& bytes, QString* errorMessage) {
    const int descriptor = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        return Fail(errorMessage,
                    QStringLiteral("Не удалось открыть «%1» для записи: %2.")
                        .arg(ShownName(name), FileErrorReason(error, SystemText(error))));
    }
    const bool written = WriteAll(descriptor, bytes);
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0 || errno == EINTR;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        return Fail(errorMessage,
                    QStringLiteral("Не удалось записать в «%1»: %2.")
                        .arg(ShownName(name), FileErrorReason(error, SystemText(error))));
    }
    return true;
}

// A regular file named so that Qt can hold the name: QSaveFile writes beside it and
// renames over it on commit, or writes in place when the folder refuses the temporary.
bool ReplaceWithSaveFile(const QByteArray& name, const QByteArray& bytes, QString* errorMessage) {
    const bool inPlace = !FolderTakesNewFiles(name);
    QSaveFile file(QFile::decodeName(name));
    file.setDirectWriteFallback(true);
    // Its commit does not notice a write that failed while flushing a buffer (a full
    // disk), so the file is unbuffered and every byte is checked before the commit.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        return Fail(errorMessage, CannotCreate(name, FileErrorReason(error, file.errorString())));
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        const int error = errno;
        const QString reason = FileErrorReason(error, file.errorString());
        file.cancelWriting();
        return Fail(errorMessage,
                    QStringLiteral("Не удалось записать файл «%1»: %2. %3")
                        .arg(ShownName(name), reason, inPlace ? WrittenInPlace() : Untouched()));
    }
    return true;
}

// A name that Qt's file names cannot hold (bytes that are not valid UTF-8): the same
// replacement done with the system calls on the bytes themselves.
bool ReplaceByRename(const QByteArray& name, const QByteArray& bytes, QString* errorMessage) {
    QByteArray temporary = FolderOf(name) + "/.quorvel-XXXXXX";
    int descriptor = ::mkstemp(temporary.data());
    const bool inPlace = descriptor < 0 && (errno == EACCES || errno == EPERM || errno == EROFS) &&
                         KindOf(name) == TargetKind::Regular;
    if (inPlace) {
        temporary.clear();
        descriptor = ::open(name.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    }
    if (descriptor < 0) {
        const int error = errno;
        return Fail(errorMessage, CannotCreate(name, FileErrorReason(error, {})));
    }
    struct stat old {};
    const mode_t mode = ::stat(name.constData(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
    bool done = WriteAll(descriptor, bytes) && (inPlace || ::fchmod(descriptor, mode) == 0) &&
                ::fsync(descriptor) == 0;
    int error = errno;
    if (::close(descriptor) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && !inPlace && ::rename(temporary.constData(), name.constData()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        if (!inPlace)
            ::unlink(temporary.constData());
        return Fail(errorMessage, QStringLiteral("Не удалось записать файл «%1»: %2. %3")
                                      .arg(ShownName(name), FileErrorReason(error, {}),
                                           inPlace ? WrittenInPlace() : Untouched()));
    }
    return true;
}

} // namespace

QString FileErrorReason(int errorNumber, const QString& systemText) {
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на запись");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("нет такой папки");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    default:
        break;
    }
    if (!systemText.isEmpty())
        return systemText;
    return errorNumber != 0 ? SystemText(errorNumber) : QStringLiteral("причина неизвестна");
}

bool WriteOutputFile(const QByteArray& nativeName, const QByteArray& bytes, QString* errorMessage) {
    switch (KindOf(nativeName)) {
    case TargetKind::Special:
        return WriteInPlace(nativeName, bytes, errorMessage);
    case TargetKind::Folder:
        return Fail(errorMessage, CannotCreate(nativeName, FileErrorReason(EISDIR, {})));
    case TargetKind::Regular:
        if (::access(nativeName.constData(), W_OK) != 0 && errno == EACCES)
            return Fail(errorMessage,
                        CannotCreate(nativeName, QStringLiteral("файл только для чтения")));
        break;
    case TargetKind::Missing:
        break;
    }
    if (QFile::encodeName(QFile::decodeName(nativeName)) != nativeName)
        return ReplaceByRename(nativeName, bytes, errorMessage);
    return ReplaceWithSaveFile(nativeName, bytes, errorMessage);
}

} // namespace quorvel
