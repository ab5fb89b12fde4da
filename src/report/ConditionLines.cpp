#include "report/ConditionLines.h"

#include "report/ConstantsHeader.h"
#include "report/NumberFormat.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

// The feed components in the feed dialog's order.
const char16_t* const FeedNames[FeedComponentCount] = {u"Метан",
                                                       u"Этан",
                                                       u"Пропан",
                                                       u"Бутан",
                                                       u"Азот (ин. газы)",
                                                       u"Оксид углерода",
                                                       u"Диоксид углерода",
                                                       u"Водород",
                                                       u"Вода"};

const char16_t* const FeedHeading = u"Исходный газ, % об.:";

} // namespace

QString FeedComponentName(int index) {
    return QString::fromUtf16(FeedNames[index]);
}

QStringList FeedLines(const Engine& engine, QChar decimalSeparator) {
    QStringList lines;
    lines << QString::fromUtf16(FeedHeading);
    for (int i = 0; i < FeedComponentCount; ++i)
        lines << FeedComponentName(i) + QStringLiteral(": ") +
                     FormatGeneral(engine.feedComposition[i], decimalSeparator);
    return lines;
}

QStringList ChartCaptionLines(const Engine& engine, SweptParameter XAxisMode,
                              QChar decimalSeparator) {
    const double values[SweptParameterCount] = {engine.InputRatio, engine.InputTemperature,
                                                engine.processConditions.InputPressure};
    QStringList fixed;
    for (const SweptParameter kind : AllSweptParameters)
        if (kind != XAxisMode)
            fixed << QString::fromUtf8(CaptionsOf(kind).label) + QStringLiteral(": ") +
                         FormatGeneral(values[IndexOf(kind)], decimalSeparator);

    QStringList feed;
    for (int i = 0; i < FeedComponentCount; ++i)
        if (engine.feedComposition[i] != 0)
            feed << FeedComponentName(i) + QLatin1Char(' ') +
                        FormatGeneral(engine.feedComposition[i], decimalSeparator);

    const QString constants = engine.constants == ConstantsSource::Standard
                                  ? ConstantsHeaderLine(engine.constants)
                                  : QStringLiteral("Константы равновесия: корреляция программы");
    return {fixed.join(QStringLiteral("; ")),
            QString::fromUtf16(FeedHeading) + QLatin1Char(' ') + feed.join(QStringLiteral("; ")),
            constants};
}

} // namespace quorvel
