#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include "report/TableFile.h"
#include "tests/report/ReportTestSupport.h"

using quorvel::SaveTableFile;

namespace {

using quorvel::testing::ReadAll;

void WriteRaw(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(TableFile, WritesWindows1251WithCrLfAfterEveryLineIncludingTheLast) {
    QTemporaryDir dir;
    const QString name = dir.filePath("table.txt");
    QString error;
    ASSERT_TRUE(SaveTableFile(
        name, {QStringLiteral("Давление, атм: 25"), QString(), QStringLiteral("    0,20   0,1234")},
        &error))
        << error.toStdString();
    // "Давление" in windows-1251: Д=C4 а=E0 в=E2 л=EB е=E5 н=ED и=E8 е=E5; "атм" E0 F2 EC.
    const QByteArray expected = QByteArray("\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5, \xE0\xF2\xEC: 25\r\n"
                                           "\r\n"
                                           "    0,20   0,1234\r\n");
    EXPECT_EQ(ReadAll(name), expected);
}

TEST(TableFile, SavingAgainReplacesTheFileAndKeepsLineBreaksUniform) {
    QTemporaryDir dir;
    const QString name = dir.filePath("table.txt");
    ASSERT_TRUE(SaveTableFile(name, {QStringLiteral("a much longer first version")}, nullptr));
    // A line typed with its own breaks (as pasted text may carry) still ends in CR LF.
    ASSERT_TRUE(SaveTableFile(name, {QStringLiteral("x\ny"), QStringLiteral("z\r\nw\r")}, nullptr));
    EXPECT_EQ(ReadAll(name), QByteArray("x\r\ny\r\nz\r\nw\r\n\r\n"));
    ASSERT_TRUE(SaveTableFile(name, {}, nullptr));
    EXPECT_EQ(ReadAll(name), QByteArray());
}

TEST(TableFile, ACharacterOutsideTheCodePageIsRefusedAndTheOldFileKept) {
    QTemporaryDir dir;
    const QString name = dir.filePath("table.txt");
    WriteRaw(name, "old table\r\n");
    QString error;
    // The degree sign and the dash exist in windows-1251; the subscript two does not.
    EXPECT_TRUE(SaveTableFile(dir.filePath("ok.txt"), {QStringLiteral("860 °C — ok")}, &error));
    EXPECT_EQ(ReadAll(dir.filePath("ok.txt")), QByteArray("860 \xB0"
                                                          "C \x97 ok\r\n"));
    EXPECT_FALSE(
        SaveTableFile(name, {QStringLiteral("first"), QStringLiteral("CO₂ share")}, &error));
    EXPECT_EQ(ReadAll(name), QByteArray("old table\r\n"));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(name))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("«₂»"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("строке 2"))) << error.toStdString();
}

TEST(TableFile, AFileThatCannotBeCreatedIsReportedByName) {
    QTemporaryDir dir;
    const QString name = dir.filePath("no-such-folder/table.txt");
    QString error;
    EXPECT_FALSE(SaveTableFile(name, {QStringLiteral("line")}, &error));
    EXPECT_FALSE(QFile::exists(name));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось создать файл «")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(name)));
}

// Lowers the file-size limit for the scope, so that writing more than `bytes` fails
// part way (as on a full disk), and restores it afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(TableFile, AWriteThatFailsPartWayLeavesTheOldFileIntactAndSaysSo) {
    QTemporaryDir dir;
    const QString name = dir.filePath("table.txt");
    WriteRaw(name, "old table\r\n");
    const QStringList lines(200, QStringLiteral("    0,20   0,1234  0,0568  0,0890  0,7000"));
    QString error;
    bool saved = true;
    {
        FileSizeLimit limit(1000);
        saved = SaveTableFile(name, lines, &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(name), QByteArray("old table\r\n"));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось записать файл «")))
        << error.toStdString();
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"table.txt"});
}

} // namespace
