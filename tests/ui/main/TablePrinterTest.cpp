#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/main/PrintedPageOrder.h"
#include "ui/main/TablePrinter.h"

using quorvel::LayOutPrintedPages;

namespace {

qreal UnitAdvance(QChar) {
    return 1.0;
} // every character one unit wide

// A page's printed lines as strings; a run after a tab is shown as "|x:text".
QStringList PageText(const quorvel::PrintedPage& page) {
    QStringList lines;
    for (const auto& line : page) {
        QString text;
        for (const auto& run : line) {
            text += (run.x > 0 ? QStringLiteral("|%1:").arg(run.x) : QString()) + run.text;
        }
        lines.append(text);
    }
    return lines;
}

} // namespace

TEST(TablePrinter, BreaksLongLinesExpandsTabsAndStartsNewPages) {
    const auto pages = LayOutPrintedPages({"abcdefghijklmnopqrstuvw", "", "a\tb", "abcdefgh\ti"},
                                          {10, 3.5, 1, 8}, UnitAdvance);
    ASSERT_EQ(pages.size(), 3); // three lines to a page
    EXPECT_EQ(PageText(pages[0]), (QStringList{"abcdefghij", "klmnopqrst", "uvw"}));
    EXPECT_EQ(PageText(pages[1]), (QStringList{"", "a|8:b", "abcdefgh"}));
    // After "abcdefgh" the tab would reach 16, past the page: the line breaks there.
    EXPECT_EQ(PageText(pages[2]), QStringList{"|8:i"});
    // A page narrower than one character still takes one character per line.
    const auto narrow = LayOutPrintedPages({"abc"}, {0.5, 0.5, 1, 0}, UnitAdvance);
    ASSERT_EQ(narrow.size(), 3);
    EXPECT_EQ(PageText(narrow[2]), QStringList{"c"});
}

TEST(TablePrinter, PrintsToAPdfThatReadsBackAndReportsAnUnwritableOne) {
    if (QStringLiteral(QUORVEL_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: the printed text cannot be read back";

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("table.pdf"));
    QStringList lines{QStringLiteral("Давление, атм       : 25"), QString()};
    for (int i = 0; i < 120; ++i) {
        lines.append(QStringLiteral("line %1").arg(i));
    }
    lines.append(QString(400, u'x') + QStringLiteral("END"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    QString error;
    ASSERT_TRUE(quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(font), lines, &error));

    QProcess process;
    process.start(QStringLiteral(QUORVEL_PDFTOTEXT), {"-layout", dir.filePath("table.pdf"), "-"});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    // The text tool may change the count of blanks between words; compare words.
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Давление, атм : 25")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 119")));
    EXPECT_GE(text.count(u'\f'), 2); // at least two pages
    // The over-long line arrives whole but broken over several printed lines.
    QString joined = text;
    joined.remove(u'\n').remove(u'\f');
    EXPECT_TRUE(joined.contains(QString(400, u'x') + QStringLiteral("END")));
    EXPECT_FALSE(text.contains(QString(200, u'x')));

    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/table.pdf"));
    EXPECT_FALSE(quorvel::PrintTextLines(printer, font, lines, &error));
    EXPECT_FALSE(error.isEmpty());
}

namespace {

quorvel::PrintJobChoice Choice(int from, int to, int copies, bool collate, bool reverse) {
    quorvel::PrintJobChoice choice;
    choice.fromPage = from;
    choice.toPage = to;
    choice.copies = copies;
    choice.collate = collate;
    choice.lastPageFirst = reverse;
    return choice;
}

} // namespace

TEST(TablePrinter, PageRangeCopiesAndOrderChooseThePagesPrinted) {
    using quorvel::PrintedPageOrder;
    EXPECT_EQ(PrintedPageOrder(3, Choice(0, 0, 1, true, false)), (QList<int>{0, 1, 2}));
    EXPECT_EQ(PrintedPageOrder(3, Choice(2, 3, 1, true, false)), (QList<int>{1, 2}));
    EXPECT_EQ(PrintedPageOrder(3, Choice(1, 1, 2, true, true)), (QList<int>{0, 0}));
    EXPECT_EQ(PrintedPageOrder(3, Choice(1, 2, 2, true, true)), (QList<int>{1, 0, 1, 0}));
    EXPECT_EQ(PrintedPageOrder(3, Choice(1, 2, 2, false, false)), (QList<int>{0, 0, 1, 1}));
    // A range past the table is cut to it; one wholly past it prints nothing.
    EXPECT_EQ(PrintedPageOrder(3, Choice(2, 9, 1, true, false)), (QList<int>{1, 2}));
    EXPECT_TRUE(PrintedPageOrder(3, Choice(5, 6, 1, true, false)).isEmpty());
}

namespace {

// The text of each page of a PDF, read back with pdftotext.
QStringList PdfPages(const QString& file) {
    QProcess process;
    process.start(QStringLiteral(QUORVEL_PDFTOTEXT), {"-layout", file, "-"});
    if (!process.waitForFinished(20000))
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

TEST(TablePrinter, APdfJobHonoursTheRangeTheCopiesAndTheReversedOrder) {
    if (QStringLiteral(QUORVEL_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: the printed text cannot be read back";

    QTemporaryDir dir;
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines.append(QStringLiteral("line %1").arg(i));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("all.pdf"));
    QString error;
    ASSERT_TRUE(quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(font), lines, &error));
    const QStringList all = PdfPages(dir.filePath("all.pdf"));
    ASSERT_GE(all.size(), 3);

    // "Pages 1 to 2, 2 copies, reversed": 2, 1, 2, 1 when the program makes the copies.
    printer.setOutputFileName(dir.filePath("chosen.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(1, 2);
    printer.setCopyCount(2);
    printer.setCollateCopies(true);
    printer.setPageOrder(QPrinter::LastPageFirst);
    ASSERT_TRUE(quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(font), lines, &error))
        << error.toStdString();
    const QStringList chosen = PdfPages(dir.filePath("chosen.pdf"));
    if (printer.supportsMultipleCopies()) {
        EXPECT_EQ(chosen, (QStringList{all[1], all[0]}));
    } else {
        EXPECT_EQ(chosen, (QStringList{all[1], all[0], all[1], all[0]}));
    }

    // A range past the table is refused with a message, and no job is started.
    printer.setOutputFileName(dir.filePath("none.pdf"));
    printer.setFromTo(7, 8);
    EXPECT_FALSE(quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(font), lines, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Нечего печатать"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
}
