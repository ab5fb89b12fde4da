#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;

namespace quorvel {

// A piece of a printed line between tabs, with its left edge in device units.
struct PrintedRun {
    qreal x;
    QString text;
};
using PrintedLine = QList<PrintedRun>;
using PrintedPage = QList<PrintedLine>;

// The printable area and the font's measures, all in the same device units.
struct TextPageMetrics {
    qreal pageWidth;
    qreal pageHeight;
    qreal lineHeight; // distance from one printed line to the next
    qreal tabWidth;   // eight average character widths
};

// How the printer's text output lays the table's lines out, from the top-left corner of
// the printable area down: a tab moves to the next multiple of tabWidth; a line wider
// than the page is broken after the last character that fits (at least one character
// stays on each printed line, so a narrow page cannot stall the job); a new page begins
// when the next line would not fit. An empty line still takes a line's height.
QList<PrintedPage> LayOutPrintedPages(const QStringList& lines, const TextPageMetrics& metrics,
                                      const std::function<qreal(QChar)>& advance);

// The memo's font as the printer gets it: the same face, style and character height,
// with the size given in points as on a 96 dots-per-inch screen, so the printed text has
// the size it has on the screen rather than a size in printer dots.
QFont PrinterFontFor(const QFont& screenFont);

// Prints the lines on an already configured printer in the given font as one job. On
// failure returns false and, if errorMessage is given, says what went wrong.
bool PrintTextLines(QPrinter& printer, const QFont& font, const QStringList& lines,
                    QString* errorMessage);

} // namespace quorvel
