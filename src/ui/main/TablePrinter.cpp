#include "ui/main/TablePrinter.h"

#include "ui/main/PrintedPageOrder.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr double ScreenDotsPerInch = 96.0;
constexpr double PointsPerInch = 72.0;
constexpr int TabStopCharacters = 8;

// Splits one source line into printed lines of runs.
QList<PrintedLine> BreakLine(const QString& line, const TextPageMetrics& metrics,
                             const std::function<qreal(QChar)>& advance) {
    QList<PrintedLine> printed;
    PrintedLine current;
    PrintedRun run{0, {}};
    qreal x = 0;
    int charactersOnLine = 0;

    auto closeRun = [&] {
        if (!run.text.isEmpty()) {
            current.append(run);
        }
    };
    auto newPrintedLine = [&] {
        closeRun();
        printed.append(current);
        current.clear();
        x = 0;
        run = {0, {}};
        charactersOnLine = 0;
    };

    for (const QChar c : line) {
        qreal nextX = 0;
        if (c == u'\t') {
            const qreal tab = metrics.tabWidth > 0 ? metrics.tabWidth : 1;
            nextX = (std::floor(x / tab) + 1) * tab;
        } else {
            nextX = x + advance(c);
        }
        if (nextX > metrics.pageWidth && charactersOnLine > 0) {
            newPrintedLine();
            if (c == u'\t') {
                const qreal tab = metrics.tabWidth > 0 ? metrics.tabWidth : 1;
                nextX = tab;
            } else {
                nextX = advance(c);
            }
        }
        if (c == u'\t') {
            closeRun();
            run = {nextX, {}};
        } else {
            if (run.text.isEmpty()) {
                run.x = x;
            }
            run.text.append(c);
        }
        x = nextX;
        ++charactersOnLine;
    }
    closeRun();
    printed.append(current);
    return printed;
}

} // namespace

QList<PrintedPage> LayOutPrintedPages(const QStringList& lines, const TextPageMetrics& metrics,
                                      const std::function<qreal(QChar)>& advance) {
    int linesPerPage = 1;
    if (metrics.lineHeight > 0) {
        linesPerPage = std::max(1, static_cast<int>(metrics.pageHeight / metrics.lineHeight));
    }
    QList<PrintedPage> pages;
    PrintedPage page;
    for (const QString& line : lines) {
        for (PrintedLine& printed : BreakLine(line, metrics, advance)) {
            if (page.size() == linesPerPage) {
                pages.append(page);
                page.clear();
            }
            page.append(std::move(printed));
        }
    }
    if (!page.isEmpty()) {
        pages.append(page);
    }
    return pages;
}

QFont PrinterFontFor(const QFont& screenFont) {
    QFont font = screenFont;
    if (screenFont.pixelSize() > 0) {
        font.setPointSizeF(screenFont.pixelSize() * PointsPerInch / ScreenDotsPerInch);
    }
    return font;
}

bool PrintTextLines(QPrinter& printer, const QFont& font, const QStringList& lines,
                    QString* errorMessage) {
    // Laid out before the job starts, so that a page range that holds no page of the
    // table is refused without sending an empty job.
    const QFontMetricsF metrics(font, &printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const TextPageMetrics pageMetrics{area.width(), area.height(), metrics.lineSpacing(),
                                      TabStopCharacters * metrics.averageCharWidth()};
    const QList<PrintedPage> pages = LayOutPrintedPages(
        lines, pageMetrics, [&metrics](QChar c) { return metrics.horizontalAdvance(c); });

    // The printer's own system makes the copies where it can; otherwise they are
    // printed here. The page range and the order are the program's to honour.
    PrintJobChoice choice;
    if (printer.printRange() == QPrinter::PageRange) {
        choice.fromPage = printer.fromPage();
        choice.toPage = printer.toPage();
    }
    choice.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    choice.collate = printer.collateCopies();
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    const QList<int> order = PrintedPageOrder(static_cast<int>(pages.size()), choice);
    if (order.isEmpty()) {
        if (errorMessage != nullptr) {
            *errorMessage = QStringLiteral("Нечего печатать: в таблице страниц %1, а выбраны "
                                           "страницы с %2 по %3.")
                                .arg(pages.size())
                                .arg(choice.fromPage)
                                .arg(choice.toPage);
        }
        return false;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        if (errorMessage != nullptr) {
            const QString name = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                    : printer.outputFileName();
            *errorMessage = QStringLiteral("Не удалось начать печать (принтер «%1»).").arg(name);
        }
        return false;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);

    for (qsizetype n = 0; n < order.size(); ++n) {
        if (n > 0 && !printer.newPage()) {
            painter.end();
            if (errorMessage != nullptr) {
                *errorMessage = QStringLiteral("Печать прервана: принтер не начал новую страницу.");
            }
            return false;
        }
        qreal baseline = metrics.ascent();
        for (const PrintedLine& line : pages[order[n]]) {
            for (const PrintedRun& run : line) {
                painter.drawText(QPointF(run.x, baseline), run.text);
            }
            baseline += metrics.lineSpacing();
        }
    }
    if (!painter.end()) {
        if (errorMessage != nullptr) {
            *errorMessage = QStringLiteral("Печать не завершена: ошибка вывода на принтер.");
        }
        return false;
    }
    return true;
}

} // namespace quorvel
