#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
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

// Whether a reason is Russian: Cyrillic words, no Latin letter (no system text).
bool IsRussian(const QString& reason) {
    bool cyrillic = false;
    for (const QChar c : reason) {
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            return false;
        cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
    }
    return cyrillic;
}

TEST(OutputFile, EveryReasonIsRussianAndComesFromTheOneTable) {
    using quorvel::FileErrorReason;
    QSet<QString> reasons;
    for (const quorvel::FileErrorText& entry : quorvel::FileErrorTexts()) {
        const QString reason = QString::fromUtf8(entry.reason);
        EXPECT_EQ(FileErrorReason(entry.errorNumber, entry.folderMissing), reason);
        EXPECT_TRUE(IsRussian(reason)) << entry.reason;
        EXPECT_NE(entry.errorNumber, 0);
        reasons.insert(reason);
    }
    EXPECT_EQ(reasons.size(), static_cast<qsizetype>(quorvel::FileErrorTexts().size()));
    // Every other number reads in Russian too, never in the system's English.
    for (int error = 0; error < 140; ++error)
        EXPECT_TRUE(IsRussian(FileErrorReason(error))) << error;

    // The reasons the system gives for real cases.
    QTemporaryDir dir;
    const auto failure = [](const QString& name) {
        QString error;
        EXPECT_FALSE(WriteOutputFile(QFile::encodeName(name), "x", &error)) << name.toStdString();
        return error;
    };
    const auto shown = [](const QString& name) { return QDir::toNativeSeparators(name); };
    const QString noFolder = dir.filePath("none/x.txt");
    EXPECT_EQ(
        failure(noFolder),
        QStringLiteral("Не удалось создать файл «%1»: нет такой папки.").arg(shown(noFolder)));
    // Named once, not twice, and no English.
    EXPECT_EQ(failure(dir.path()),
              QStringLiteral("Не удалось создать файл «%1»: это папка, а не файл.")
                  .arg(shown(dir.path())));
    const QString longName = dir.filePath(QString(300, u'д'));
    EXPECT_EQ(failure(longName), QStringLiteral("Не удалось создать файл «%1»: слишком длинное "
                                                "имя файла.")
                                     .arg(shown(longName)));
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    const QString underFile = dir.filePath("plain/x.txt");
    EXPECT_EQ(failure(underFile), QStringLiteral("Не удалось создать файл «%1»: часть пути не "
                                                 "является папкой.")
                                      .arg(shown(underFile)));
    const QString loop = dir.filePath("loop");
    ASSERT_EQ(::symlink("loop", QFile::encodeName(loop).constData()), 0);
    EXPECT_EQ(failure(loop), QStringLiteral("Не удалось создать файл «%1»: символические ссылки "
                                            "образуют петлю.")
                                 .arg(shown(loop)));
    // ENOENT says which is missing: the file in a folder that is there, or the folder.
    EXPECT_EQ(quorvel::FileErrorReasonFor(ENOENT, QFile::encodeName(dir.filePath("x.csv"))),
              QStringLiteral("нет такого файла"));
    EXPECT_EQ(quorvel::FileErrorReasonFor(ENOENT, QFile::encodeName(noFolder)),
              QStringLiteral("нет такой папки"));
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

TEST(OutputFile, ASymbolicLinkIsWrittenThroughWhateverItsNameAndStaysALink) {
    for (const QByteArray& linkName : {QByteArray("link.txt"), QByteArray("l\xff.txt")}) {
        for (const bool targetExists : {true, false}) {
            QTemporaryDir dir;
            const QByteArray folder = QFile::encodeName(dir.path());
            if (targetExists) {
                ASSERT_TRUE(WriteOutputFile(folder + "/t.txt", "old", nullptr));
            }
            ASSERT_EQ(::symlink("t.txt", (folder + '/' + linkName).constData()), 0);
            QString error;
            ASSERT_TRUE(WriteOutputFile(folder + '/' + linkName, "new", &error))
                << error.toStdString();
            struct stat info {};
            ASSERT_EQ(::lstat((folder + '/' + linkName).constData(), &info), 0);
            EXPECT_TRUE(S_ISLNK(info.st_mode)) << linkName.toStdString();
            QFile target(dir.filePath("t.txt"));
            ASSERT_TRUE(target.open(QIODevice::ReadOnly));
            EXPECT_EQ(target.readAll(), QByteArray("new"));
            QList<QByteArray> names = RawNames(folder);
            std::sort(names.begin(), names.end());
            EXPECT_EQ(names, (QList<QByteArray>{linkName, "t.txt"})) << "no temporary left";
        }
    }
}

} // namespace
