#include "report/CsvExport.h"

#include <QFile>

#include "report/ApproachHeader.h"
#include "report/ConditionLines.h"
#include "report/ConstantsHeader.h"
#include "report/CsvLines.h"
#include "report/NumberFormat.h"
#include "report/OutputFile.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

const QChar Point = QLatin1Char('.');

QString Comment(const QString& text) {
    return QStringLiteral("# ") + text;
}

} // namespace

QStringList CsvExportLines(const Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode) {
    QStringList lines;
    lines << Comment(QStringLiteral("Равновесие водяной конверсии метана; переменный параметр: ") +
                     QString::fromUtf8(CaptionsOf(XAxisMode).lowerName));
    lines << Comment(QString::fromUtf8(CaptionsOf(YAxisMode).tableTitle));
    // The swept parameter's entry is listed too: it is what the window held, though
    // the sweep ran over its own range.
    const double values[SweptParameterCount] = {engine.InputRatio, engine.InputTemperature,
                                                engine.processConditions.InputPressure};
    for (const SweptParameter kind : AllSweptParameters) {
        QString line = QString::fromUtf8(CaptionsOf(kind).label) + QStringLiteral(": ");
        line += kind == XAxisMode ? QStringLiteral("переменный")
                                  : FormatGeneral(values[IndexOf(kind)], Point);
        lines << Comment(line);
    }
    // The same line as in the table when the constants come from the standard data.
    if (const QString constants = ConstantsHeaderLine(engine.constants); !constants.isEmpty())
        lines << Comment(constants);
    if (const QString approach = ApproachHeaderLine(engine.approach, Point); !approach.isEmpty())
        lines << Comment(approach);
    lines << Comment(QStringLiteral("Исходный газ, % об.:"));
    for (int i = 0; i < FeedComponentCount; ++i)
        lines << Comment(FeedComponentName(i) + QStringLiteral(": ") +
                         FormatGeneral(engine.feedComposition[i], Point));
    lines << CsvLines(engine, XAxisMode, YAxisMode);
    return lines;
}

bool SaveUtf8TextFile(const QString& fileName, const QStringList& lines, QString* errorMessage) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    return WriteOutputFile(QFile::encodeName(fileName), text, errorMessage);
}

} // namespace quorvel
