#include "report/OutputFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
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

QByteArray FolderOf(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : name.left(slash);
}

bool IsFolder(const QByteArray& name) {
    struct stat info {};
    return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The most links followed before a name counts as a loop, as the system counts them.
constexpr int LinkLimit = 40;

// The name with every symbolic link at its end followed, on the bytes themselves (a
// link's own name may be in any encoding). A dangling link gives its missing target.
// Empty, with errno set, when the name cannot be looked up for another reason than a
// missing file (too long, a loop, a file in place of a folder) or a link cannot be read.
QByteArray FollowLinks(const QByteArray& name) {
    QByteArray current = name;
    for (int hop = 0; hop < LinkLimit; ++hop) {
        struct stat info {};
        if (::lstat(current.constData(), &info) != 0)
            return errno == ENOENT ? current : QByteArray(); // a name too long, a loop, ...
        if (!S_ISLNK(info.st_mode))
            return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.constData(), target.data(), target.size());
        if (length < 0)
            return {};
        if (length >= target.size()) {
            errno = ENAMETOOLONG;
            return {};
        }
        target.truncate(length);
        current = target.startsWith('/') ? target : FolderOf(current) + '/' + target;
    }
    errno = ELOOP;
    return {};
}

// The permissions of a newly created file: everyone may read and write, less umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

// Every reason, one line per error number. The reasons complete "Не удалось записать
// файл «…»: " and "не удалось прочитать пакетный файл «…»: ".
constexpr FileErrorText ErrorTexts[] = {
    {EACCES, false, "нет прав на запись"},
    {EPERM, false, "операция не разрешена"},
    {ENOENT, false, "нет такого файла"},
    {ENOENT, true, "нет такой папки"},
    {ENOTDIR, false, "часть пути не является папкой"},
    {EISDIR, false, "это папка, а не файл"},
    {ENAMETOOLONG, false, "слишком длинное имя файла"},
    {ELOOP, false, "символические ссылки образуют петлю"},
    {EROFS, false, "диск доступен только для чтения"},
    {ENOSPC, false, "на диске нет места"},
    {EDQUOT, false, "исчерпана дисковая квота"},
    {EFBIG, false, "файл слишком велик"},
    {EIO, false, "ошибка ввода-вывода"},
    {ETXTBSY, false, "файл занят выполняемой программой"},
    {EBUSY, false, "файл или устройство заняты"},
    {EMFILE, false, "открыто слишком много файлов"},
    {ENFILE, false, "в системе открыто слишком много файлов"},
    {ENOMEM, false, "недостаточно памяти"},
    {EPIPE, false, "читающая сторона закрыла канал"},
    {ENXIO, false, "нет такого устройства или адреса"},
    {ENODEV, false, "нет такого устройства"},
    {EAGAIN, false, "ресурс временно недоступен"},
    {EINVAL, false, "недопустимый аргумент"},
    {EXDEV, false, "файл на другом устройстве"},
    {EEXIST, false, "файл уже существует"},
    {EMLINK, false, "слишком много ссылок"},
    {EOVERFLOW, false, "значение не помещается в тип данных"},
    {ESTALE, false, "устаревший дескриптор сетевого файла"},
    {EBADF, false, "недопустимый дескриптор файла"},
    {EINTR, false, "операция прервана"},
    {ENOTCONN, false, "нет соединения"},
    {ECONNRESET, false, "соединение сброшено"},
    {ETIMEDOUT, false, "истекло время ожидания"},
    {ENOTSUP, false, "операция не поддерживается"},
};

} // namespace

std::span<const FileErrorText> FileErrorTexts() {
    return ErrorTexts;
}

QString FileErrorReason(int errorNumber, bool folderMissing) {
    for (const FileErrorText& entry : ErrorTexts) {
        if (entry.errorNumber == errorNumber &&
            (errorNumber != ENOENT || entry.folderMissing == folderMissing))
            return QString::fromUtf8(entry.reason);
    }
    return errorNumber == 0 ? QStringLiteral("причина неизвестна")
                            : QStringLiteral("ошибка системы с кодом %1").arg(errorNumber);
}

QString FileErrorReasonFor(int errorNumber, const QByteArray& nativeName) {
    return FileErrorReason(errorNumber, errorNumber == ENOENT && !IsFolder(FolderOf(nativeName)));
}

OutputFileWriter::OutputFileWriter(QByteArray nativeName) : name_(std::move(nativeName)) {}

OutputFileWriter::~OutputFileWriter() {
    cancel();
}

void OutputFileWriter::cancel() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
}

bool OutputFileWriter::fail(QString* errorMessage, int error, bool opened) {
    const Mode mode = mode_;
    cancel();
    if (!errorMessage)
        return false;
    const QString reason = FileErrorReasonFor(error, target_.isEmpty() ? name_ : target_);
    const QString shown = ShownName(name_);
    if (mode == Mode::Device)
        *errorMessage =
            opened ? QStringLiteral("Не удалось записать в «%1»: %2.").arg(shown, reason)
                   : QStringLiteral("Не удалось открыть «%1» для записи: %2.").arg(shown, reason);
    else if (!opened)
        *errorMessage = QStringLiteral("Не удалось создать файл «%1»: %2.").arg(shown, reason);
    else
        *errorMessage =
            QStringLiteral("Не удалось записать файл «%1»: %2. %3")
                .arg(shown, reason,
                     mode == Mode::InPlace
                         ? QStringLiteral("Файл записывался на месте и мог остаться неполным.")
                         : QStringLiteral("Прежний файл, если он был, не изменён."));
    return false;
}

bool OutputFileWriter::open(QString* errorMessage) {
    cancel();
    mode_ = Mode::Replace;
    target_ = FollowLinks(name_);
    if (target_.isEmpty())
        return fail(errorMessage, errno, false);
    const TargetKind kind = KindOf(target_);
    if (kind == TargetKind::Special) {
        mode_ = Mode::Device;
        descriptor_ = ::open(target_.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return descriptor_ >= 0 || fail(errorMessage, errno, false);
    }
    if (kind == TargetKind::Folder)
        return fail(errorMessage, EISDIR, false);
    struct stat old {};
    permissions_ = ::stat(target_.constData(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
    if (kind == TargetKind::Regular && ::access(target_.constData(), W_OK) != 0 &&
        errno == EACCES) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Не удалось создать файл «%1»: файл только для чтения.")
                                .arg(ShownName(name_));
        return false;
    }
    temporary_ = FolderOf(target_) + "/.quorvel-XXXXXX";
    descriptor_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (descriptor_ >= 0)
        return true;
    const int error = errno;
    temporary_.clear();
    if (kind == TargetKind::Regular && (error == EACCES || error == EPERM || error == EROFS)) {
        // The folder takes no new file, but the file itself may be written.
        mode_ = Mode::InPlace;
        descriptor_ = ::open(target_.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor_ >= 0)
            return true;
        return fail(errorMessage, errno, false);
    }
    return fail(errorMessage, error, false);
}

bool OutputFileWriter::write(const QByteArray& bytes, QString* errorMessage) {
    if (descriptor_ < 0)
        return fail(errorMessage, EBADF, false);
    return WriteAll(descriptor_, bytes) || fail(errorMessage, errno, true);
}

bool OutputFileWriter::commit(QString* errorMessage) {
    if (descriptor_ < 0)
        return fail(errorMessage, EBADF, false);
    if (mode_ == Mode::Replace &&
        (::fchmod(descriptor_, permissions_) != 0 || ::fsync(descriptor_) != 0))
        return fail(errorMessage, errno, true);
    if (mode_ == Mode::InPlace && ::fsync(descriptor_) != 0)
        return fail(errorMessage, errno, true);
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0 && errno != EINTR) {
        return fail(errorMessage, errno, true);
    }
    if (mode_ == Mode::Replace) {
        if (::rename(temporary_.constData(), target_.constData()) != 0) {
            return fail(errorMessage, errno, true);
        }
        temporary_.clear();
    }
    return true;
}

bool WriteOutputFile(const QByteArray& nativeName, const QByteArray& bytes, QString* errorMessage) {
    OutputFileWriter writer(nativeName);
    return writer.open(errorMessage) && writer.write(bytes, errorMessage) &&
           writer.commit(errorMessage);
}

} // namespace quorvel
