// quorvel-sweep's files run through the program itself, with the arguments as bytes, so
// that names which are not valid UTF-8 reach it unchanged.
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct RawRun {
    int exitCode = -1;
    QByteArray err;
    QString errText() const { return QString::fromUtf8(err); }
};

// Runs quorvel-sweep with the given arguments, standard output sent to `outputFile`
// (or discarded), without XDG_RUNTIME_DIR, under the C locale with UTF-8 messages.
RawRun RunSweep(const std::vector<std::string>& arguments, const char* outputFile = "/dev/null") {
    int errPipe[2];
    if (::pipe(errPipe) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(errPipe[0]);
        ::dup2(errPipe[1], STDERR_FILENO);
        const int out = ::open(outputFile, O_WRONLY);
        if (out >= 0)
            ::dup2(out, STDOUT_FILENO);
        ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        ::unsetenv("QT_QPA_PLATFORM");
        ::setenv("LC_ALL", "C.UTF-8", 1);
        std::vector<char*> argv{const_cast<char*>(QUORVEL_SWEEP_PROGRAM)};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(QUORVEL_SWEEP_PROGRAM, argv.data());
        ::_exit(127);
    }
    ::close(errPipe[1]);
    RawRun run;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(errPipe[0], buffer, sizeof buffer)) > 0)
        run.err.append(buffer, n);
    ::close(errPipe[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}

std::string Bytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QList<QByteArray> RawNames(const std::string& folder) {
    QList<QByteArray> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(d))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names.append(entry->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t TypeOf(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

TEST(SweepFiles, NamesThatAreNotUtf8AreKeptByteForByte) {
    QTemporaryDir dir;
    const std::string folder = Bytes(dir.path());
    const RawRun run =
        RunSweep({"--output", folder + "/bad\xff.txt", "--chart", folder + "/bad\xfe.png"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(RawNames(folder), (QList<QByteArray>{"bad\xfe.png", "bad\xff.txt"}));
}

TEST(SweepFiles, OneFileForTableAndPictureIsRefused) {
    QTemporaryDir dir;
    const std::string name = Bytes(dir.filePath("both.png"));
    for (const std::string& other : {name, Bytes(dir.path()) + "/./both.png"}) {
        const RawRun run = RunSweep({"--output", name, "--chart", other});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errText().contains(QStringLiteral("один и тот же файл")))
            << run.err.toStdString();
        EXPECT_TRUE(RawNames(Bytes(dir.path())).isEmpty());
    }
    // Two different files are fine.
    EXPECT_EQ(RunSweep({"--output", name + ".txt", "--chart", name}).exitCode, 0);
}

TEST(SweepFiles, HelpThatCannotBeWrittenFails) {
    const RawRun full = RunSweep({"--help"}, "/dev/full");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_FALSE(full.err.isEmpty());
    EXPECT_EQ(RunSweep({"--help"}).exitCode, 0);
}

TEST(SweepFiles, TheRefusedFeedTotalIsTheOneTested) {
    const RawRun run = RunSweep({"--feed", "100,0,0,0,-114.12,1e300,0,0,-1e300"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().contains(QStringLiteral("(сумма -14.12)"))) << run.err.toStdString();
    // Large terms that cancel do not let a wrong feed through either.
    EXPECT_EQ(RunSweep({"--feed", "100,0,0,0,-14.12,1e300,0,0,-1e300"}).exitCode, 2);
    // One that does add up to 100 passes the check (the engine then fails on 1e300).
    EXPECT_NE(RunSweep({"--feed", "100,0,0,0,0,1e300,0,0,-1e300"}).exitCode, 2);
}

TEST(SweepFiles, AChartWithoutARuntimeFolderPrintsNoWarning) {
    QTemporaryDir dir;
    const RawRun run = RunSweep({"--chart", Bytes(dir.filePath("c.png"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(QImage(dir.filePath("c.png")).size(), QSize(438, 269));
}

TEST(SweepFiles, AFifoAndADeviceAreWrittenAndKept) {
    QTemporaryDir dir;
    const std::string fifo = Bytes(dir.filePath("pipe"));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    QByteArray received;
    std::thread reader([&] {
        QFile in(QString::fromStdString(fifo));
        if (in.open(QIODevice::ReadOnly))
            received = in.readAll();
    });
    const RawRun toFifo = RunSweep({"--chart", fifo});
    reader.join();
    EXPECT_EQ(toFifo.exitCode, 0) << toFifo.err.toStdString();
    EXPECT_EQ(QImage::fromData(received, "PNG").size(), QSize(438, 269));
    EXPECT_EQ(TypeOf(fifo), static_cast<mode_t>(S_IFIFO));

    // Standard output by name.
    const std::string table = Bytes(dir.filePath("table.txt"));
    ASSERT_EQ(::close(::open(table.c_str(), O_WRONLY | O_CREAT, 0644)), 0);
    EXPECT_EQ(RunSweep({"--output", "/dev/stdout"}, table.c_str()).exitCode, 0);
    QFile written(QString::fromStdString(table));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count("\r\n"), 5 + 77);

    // Scratch device nodes: the null device stays a device; the full one is a full disk.
    const std::string null = Bytes(dir.filePath("null"));
    if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "device nodes cannot be made here (" << std::strerror(errno) << ")";
    EXPECT_EQ(RunSweep({"--output", null, "--chart", null}).exitCode, 0);
    EXPECT_EQ(TypeOf(null), static_cast<mode_t>(S_IFCHR));
    const std::string full = Bytes(dir.filePath("full"));
    ASSERT_EQ(::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    for (const char* option : {"--output", "--chart"}) {
        const RawRun run = RunSweep({option, full});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errText().endsWith(QStringLiteral(": на диске нет места.\n")))
            << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("PNG")) << run.err.toStdString();
        EXPECT_EQ(TypeOf(full), static_cast<mode_t>(S_IFCHR));
    }
}

// The peak resident memory of a running process, in kB, from /proc.
long PeakMemoryKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Cases of the batch test: ratio sweeps, 77 rows each.
QByteArray RatioCases(int first, int count) {
    QByteArray cases;
    for (int i = first; i < first + count; ++i)
        cases += QByteArray::number(2 + (i % 20) * 0.1) + '\n';
    return cases;
}

// Waits until `rows` lines have come out of the process; false on time-out.
bool WaitForRows(QProcess& process, QByteArray& out, int rows) {
    while (out.count('\n') < rows) {
        if (!process.waitForReadyRead(30000))
            return false;
        out += process.readAllStandardOutput();
    }
    return true;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif
#else
constexpr bool AddressSanitizer = false;
#endif

TEST(SweepFiles, ABatchStreamsItsRowsInBoundedMemory) {
    // The cases come through a pipe that stays open: rows that come out before it
    // closes were written before the last case was read. Memory measured after 100
    // and after 500 cases must not grow with the count (a list of every row grows
    // by about 47 kB a case).
    if (AddressSanitizer)
        GTEST_SKIP() << "the address sanitizer holds freed memory in its quarantine, so the "
                        "peak memory says nothing of what the program keeps";
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVEL_SWEEP_PROGRAM), {"--batch", "-"});
    ASSERT_TRUE(process.waitForStarted());
    QByteArray out;
    process.write("ratio\n" + RatioCases(0, 100));
    ASSERT_TRUE(WaitForRows(process, out, 1 + 100 * 77));
    const long early = PeakMemoryKb(process.processId());
    process.write(RatioCases(100, 400));
    ASSERT_TRUE(WaitForRows(process, out, 1 + 500 * 77));
    const long late = PeakMemoryKb(process.processId());
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    out += process.readAllStandardOutput();
    EXPECT_EQ(out.count('\n'), 1 + 500 * 77);
    ASSERT_GT(early, 0);
    EXPECT_LT(late, 50 * 1024);
    EXPECT_LT(late - early, 4 * 1024)
        << early << " kB after 100 cases, " << late << " kB after 500";
}

TEST(SweepFiles, AClosedOutputPipeEndsTheRunQuietlyWithStatus1) {
    QTemporaryDir dir;
    QFile cases(dir.filePath("cases.csv"));
    ASSERT_TRUE(cases.open(QIODevice::WriteOnly));
    cases.write("ratio\n" + RatioCases(0, 400));
    cases.close();
    // bash reports the status of the first command of the pipe; 141 would be SIGPIPE.
    for (const QStringList& arguments :
         {QStringList{"--batch", cases.fileName()}, QStringList{"--format", "csv"}}) {
        QProcess shell;
        const QString script = QStringLiteral("\"$0\" \"$@\" 2>\"%1\" | head -c 1 >/dev/null; "
                                              "exit ${PIPESTATUS[0]}")
                                   .arg(dir.filePath("err.txt"));
        shell.start("bash",
                    QStringList{"-c", script, QStringLiteral(QUORVEL_SWEEP_PROGRAM)} + arguments);
        ASSERT_TRUE(shell.waitForFinished(60000));
        QFile err(dir.filePath("err.txt"));
        ASSERT_TRUE(err.open(QIODevice::ReadOnly));
        const QByteArray message = err.readAll();
        if (arguments.front() == "--format" && shell.exitCode() == 0)
            continue; // a short text may reach the pipe before head closes it
        EXPECT_EQ(shell.exitCode(), 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(message,
                  QStringLiteral("quorvel-sweep: не удалось вывести результат в стандартный вывод: "
                                 "читающая сторона закрыла канал\n")
                      .toUtf8());
    }
}

TEST(SweepFiles, ABatchNeverWritesOverItsOwnInputAndAFailedWriteIsStatus1) {
    QTemporaryDir dir;
    const std::string input = Bytes(dir.filePath("cases.csv"));
    const QByteArray cases = "ratio\n3\nbad\n";
    QFile file(QString::fromStdString(input));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cases);
    file.close();
    for (const std::string& output : {input, Bytes(dir.path()) + "/./cases.csv"}) {
        const RawRun run = RunSweep({"--batch", input, "--output", output});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errText().contains(QStringLiteral("один и тот же файл")))
            << run.err.toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), cases);
        file.close();
    }
    // A refused line and an output that cannot be written: the write decides.
    const RawRun unwritten =
        RunSweep({"--batch", input, "--output", Bytes(dir.filePath("none/out.csv"))});
    EXPECT_EQ(unwritten.exitCode, 1) << unwritten.err.toStdString();
    EXPECT_TRUE(unwritten.errText().contains(QStringLiteral("нет такой папки")));
    // With --output the rows stream into a temporary that replaces the old file at the end.
    const std::string output = Bytes(dir.filePath("out.csv"));
    EXPECT_EQ(RunSweep({"--batch", input, "--output", output}).exitCode, 2);
    EXPECT_EQ(RawNames(Bytes(dir.path())), (QList<QByteArray>{"cases.csv", "out.csv"}));
    QFile written(QString::fromStdString(output));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count("\r\n"), 1 + 77);
}

} // namespace
