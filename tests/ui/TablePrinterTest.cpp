#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ui/TablePrinter.h"

using quorvel::LayOutPrintedPages;
using quorvel::PrintedPage;
using quorvel::TextPageMetrics;

namespace {

// Every character one unit wide.
qreal UnitAdvance(QChar) {
    return 1.0;
}

// The printed lines of a page as plain strings, tabs shown as "|" followed by the run's x.
QStringList PageText(const PrintedPage& page) {
    QStringList lines;
    for (const auto& line : page) {
        QString text;
        for (const auto& run : line) {
            if (run.x > 0) {
                text += QStringLiteral("|%1:").arg(run.x);
            }
            text += run.text;
        }
        lines.append(text);
    }
    return lines;
}

} // namespace

TEST(TablePrinter, BreaksOverLongLinesAfterTheLastCharacterThatFits) {
    const TextPageMetrics metrics{10, 100, 1, 8};
    const auto pages =
        LayOutPrintedPages({"abcdefghijklmnopqrstuvw", "short", ""}, metrics, UnitAdvance);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(PageText(pages[0]), (QStringList{"abcdefghij", "klmnopqrst", "uvw", "short", ""}));
}

TEST(TablePrinter, TabsMoveToTheNextMultipleOfTheTabWidth) {
    const TextPageMetrics metrics{100, 100, 1, 8};
    const auto pages = LayOutPrintedPages({"a\tb", "\tc", "abcdefgh\ti"}, metrics, UnitAdvance);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(PageText(pages[0]), (QStringList{"a|8:b", "|8:c", "abcdefgh|16:i"}));
}

TEST(TablePrinter, StartsANewPageWhenTheNextLineWouldNotFit) {
    // Three lines fit on a page of height 3.5.
    const TextPageMetrics metrics{100, 3.5, 1, 8};
    QStringList lines;
    for (int i = 0; i < 7; ++i) {
        lines.append(QString::number(i));
    }
    const auto pages = LayOutPrintedPages(lines, metrics, UnitAdvance);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(PageText(pages[0]), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(PageText(pages[2]), (QStringList{"6"}));
    // Broken pieces of one line may run over onto the next page.
    const auto broken = LayOutPrintedPages({"ab", "cdefgh"}, {2, 2, 1, 8}, UnitAdvance);
    ASSERT_EQ(broken.size(), 2);
    EXPECT_EQ(PageText(broken[0]), (QStringList{"ab", "cd"}));
    EXPECT_EQ(PageText(broken[1]), (QStringList{"ef", "gh"}));
}

TEST(TablePrinter, APageNarrowerThanOneCharacterStillMakesProgress) {
    const auto pages = LayOutPrintedPages({"abc"}, {0.5, 0.5, 1, 0}, UnitAdvance);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(PageText(pages[2]), (QStringList{"c"}));
    EXPECT_TRUE(LayOutPrintedPages({}, {10, 10, 1, 8}, UnitAdvance).isEmpty());
}

TEST(TablePrinter, PrinterFontKeepsTheScreenSizeInPoints) {
    QFont memo(QStringLiteral("Courier New"));
    memo.setPixelSize(12);
    memo.setBold(true);
    const QFont printed = quorvel::PrinterFontFor(memo);
    EXPECT_DOUBLE_EQ(printed.pointSizeF(), 9.0);
    EXPECT_EQ(printed.family(), memo.family());
    EXPECT_TRUE(printed.bold());
}

TEST(TablePrinter, PrintsToAPdfThatReadsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("table.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);

    QStringList lines{QStringLiteral("Давление, атм       : 25"), QString(),
                      QStringLiteral("    0,20   0.5319  0.1137")};
    // Enough lines for a second page, and one line far wider than the page.
    for (int i = 0; i < 120; ++i) {
        lines.append(QStringLiteral("line %1").arg(i));
    }
    lines.append(QString(400, u'x') + QStringLiteral("END"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    QString error;
    ASSERT_TRUE(quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(font), lines, &error))
        << error.toStdString();

    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    // The text tool may change the count of blanks between words; compare words.
    const QString words = text.simplified();
    EXPECT_TRUE(words.contains(QStringLiteral("Давление, атм : 25")))
        << text.left(300).toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("0,20 0.5319 0.1137")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 119")));
    EXPECT_GE(text.count(u'\f'), 2); // at least two pages
    // The over-long line arrives whole, broken over several printed lines.
    QString xs = text;
    xs.remove(QRegularExpression(QStringLiteral("[^xEND]")));
    EXPECT_TRUE(xs.endsWith(QString(400, u'x') + QStringLiteral("END")));
    int longest = 0;
    for (const QString& line : text.split(u'\n')) {
        longest = std::max(longest, static_cast<int>(line.trimmed().size()));
    }
    EXPECT_LT(longest, 400);
}

TEST(TablePrinter, AnUnwritableOutputIsReportedNotIgnored) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/table.pdf"));
    QString error;
    EXPECT_FALSE(quorvel::PrintTextLines(printer, QFont(), {QStringLiteral("a")}, &error));
    EXPECT_FALSE(error.isEmpty());
}
