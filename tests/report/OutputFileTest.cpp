#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "report/OutputFile.h"
#include "report/TableFile.h"
#include "tests/report/ReportTestSupport.h"

using quorvel::WriteOutputFile;

namespace {

using quorvel::testing::ReadAll;

// The names in a folder as the system holds them, "." and ".." left out.
QList<QByteArray> RawNames(const QByteArray& folder) {
    QList<QByteArray> names;
    if (DIR* d = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(d))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names.append(entry->d_name);
        ::closedir(d);
    }
    return names;
}

bool IsCharacterDevice(const QString& name) {
    struct stat info {};
    return ::stat(QFile::encodeName(name).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

// Runs `check` as an ordinary user, so that folder permissions apply even when the
// tests run as root (the superuser may write any folder). The check runs in a child
// process; its result is the child's exit status. Returns -1 when the switch failed.
int AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check() ? 0 : 1;
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) == 3 ? -1 : WEXITSTATUS(status);
}

TEST(OutputFile, AWritableFileInAFolderThatTakesNoNewFilesIsWrittenInPlace) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString name = folder + "/table.txt";
    {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older and longer table\r\n");
    }
    // The file may be written by everyone, the folder by nobody but its owner.
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

    const int status = AsOrdinaryUser([&] {
        QString error;
        return quorvel::SaveTableFile(name, {QStringLiteral("new")}, &error);
    });
    ASSERT_NE(status, -1) << "cannot run as an ordinary user here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(name), QByteArray("new\r\n"));
    // A new file in that folder still cannot be made, and says why in Russian.
    const int refused = AsOrdinaryUser([&] {
        QString error;
        const bool saved = WriteOutputFile(QFile::encodeName(folder + "/new.txt"), "x", &error);
        return !saved && error.endsWith(QStringLiteral(": нет прав на запись."));
    });
    EXPECT_EQ(refused, 0);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

TEST(OutputFile, ElsewhereAFailedWriteLeavesTheOldFileAndNoTemporary) {
    // The in-place fallback must not weaken the ordinary case: where the folder takes a
    // temporary file, a file the user may not write is refused and left as it was.
    QTemporaryDir dir;
    const QString name = dir.filePath("table.txt");
    {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const int status = AsOrdinaryUser([&] {
        QString error;
        const bool saved = WriteOutputFile(QFile::encodeName(name), "new", &error);
        return !saved && error == QStringLiteral("Не удалось создать файл «%1»: файл только для "
                                                 "чтения.")
                                      .arg(QDir::toNativeSeparators(name));
    });
    ASSERT_NE(status, -1);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(name), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"table.txt"});
}

TEST(OutputFile, DevicesAndFifosAreWrittenAsTheyAreNeverReplaced) {
    QTemporaryDir dir;
    // A FIFO: a reader on the other end gets the bytes, the FIFO stays a FIFO.
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray received;
    std::thread reader([&] {
        QFile in(fifo);
        if (in.open(QIODevice::ReadOnly))
            received = in.readAll();
    });
    QString error;
    EXPECT_TRUE(WriteOutputFile(QFile::encodeName(fifo), "through the pipe", &error))
        << error.toStdString();
    reader.join();
    EXPECT_EQ(received, QByteArray("through the pipe"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), QStringList{"pipe"});

    // A scratch device node for the null device: written, and still a device after.
    const QString null = dir.filePath("null");
    if (::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "device nodes cannot be made here (" << std::strerror(errno) << ")";
    EXPECT_TRUE(WriteOutputFile(QFile::encodeName(null), "gone", &error)) << error.toStdString();
    EXPECT_TRUE(IsCharacterDevice(null));

    // The full device: a full disk, reported plainly in Russian.
    const QString full = dir.filePath("full");
    ASSERT_EQ(::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_FALSE(WriteOutputFile(QFile::encodeName(full), "no room", &error));
    EXPECT_EQ(error, QStringLiteral("Не удалось записать в «%1»: на диске нет места.")
                         .arg(QDir::toNativeSeparators(full)));
    EXPECT_TRUE(IsCharacterDevice(full));
}

TEST(OutputFile, CommonCausesHaveRussianReasonsAndTheRestKeepsTheSystemText) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(WriteOutputFile(QFile::encodeName(dir.filePath("none/x.txt")), "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral(": нет такой папки."))) << error.toStdString();
    EXPECT_FALSE(WriteOutputFile(QFile::encodeName(dir.path()), "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral(": это папка, а не файл."))) << error.toStdString();
    // Named once, not twice, and no English.
    EXPECT_EQ(error.count(QDir::toNativeSeparators(dir.path())), 1);

    using quorvel::FileErrorReason;
    EXPECT_EQ(FileErrorReason(ENOSPC, "No space left on device"),
              QStringLiteral("на диске нет места"));
    EXPECT_EQ(FileErrorReason(EROFS, "Read-only file system"),
              QStringLiteral("диск доступен только для чтения"));
    EXPECT_EQ(FileErrorReason(EACCES, "Permission denied"), QStringLiteral("нет прав на запись"));
    EXPECT_EQ(FileErrorReason(EIO, "Input/output error"), QStringLiteral("Input/output error"));
}

TEST(OutputFile, ANameThatIsNotUtf8IsUsedByteForByte) {
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/bad\xff.txt";
    QString error;
    ASSERT_TRUE(WriteOutputFile(name, "first", &error)) << error.toStdString();
    ASSERT_TRUE(WriteOutputFile(name, "second", &error)) << error.toStdString();
    const int descriptor = ::open(name.constData(), O_RDONLY);
    ASSERT_GE(descriptor, 0);
    char buffer[16] = {};
    EXPECT_EQ(::read(descriptor, buffer, sizeof buffer), 6);
    ::close(descriptor);
    EXPECT_EQ(QByteArray(buffer), QByteArray("second"));
    // Only that file: no temporary left, no name with a replacement character.
    EXPECT_EQ(RawNames(QFile::encodeName(dir.path())), QList<QByteArray>{"bad\xff.txt"});
}

} // namespace
