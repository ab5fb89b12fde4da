#include "report/CsvExport.h"

#include <QDir>
#include <QSaveFile>

#include "report/ConstantsHeader.h"
#include "report/CsvLines.h"
#include "report/NumberFormat.h"

namespace quorvel {

namespace {

const QChar Point = QLatin1Char('.');

// The swept parameter of each XAxisMode.
const char16_t* const SweptNames[3] = {u"соотношение пар/метан", u"температура, град. С",
                                       u"давление, атм"};
// The table's title of each YAxisMode: which basis the fractions are on.
const char16_t* const ViewNames[3] = {u"Состав сухого синтез-газа, мол. д.",
                                      u"Состав мокрого синтез-газа, мол. д.",
                                      u"Соотношение продуктов реакции, мол. д."};
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

QString Comment(const QString& text) {
    return QStringLiteral("# ") + text;
}

} // namespace

QStringList CsvExportLines(const Engine& engine, int XAxisMode, int YAxisMode) {
    const int x = (XAxisMode >= 0 && XAxisMode <= 2) ? XAxisMode : 0;
    const int y = (YAxisMode >= 0 && YAxisMode <= 2) ? YAxisMode : 0;
    QStringList lines;
    lines << Comment(QStringLiteral("Равновесие водяной конверсии метана; переменный параметр: ") +
                     QString::fromUtf16(SweptNames[x]));
    lines << Comment(QString::fromUtf16(ViewNames[y]));
    // The swept parameter's entry is listed too: it is what the window held, though
    // the sweep ran over its own range.
    const struct {
        const char16_t* label;
        double value;
        int mode;
    } conditions[] = {
        {u"Соотношение пар/метан, мол.д.", engine.InputRatio, 0},
        {u"Температура, град. С", engine.InputTemperature, 1},
        {u"Давление, атм", engine.processConditions.InputPressure, 2},
    };
    for (const auto& c : conditions) {
        QString line = QString::fromUtf16(c.label) + QStringLiteral(": ");
        line += c.mode == x ? QStringLiteral("переменный") : FormatGeneral(c.value, Point);
        lines << Comment(line);
    }
    // The same line as in the table when the constants come from the standard data.
    if (const QString constants = ConstantsHeaderLine(engine.constants); !constants.isEmpty())
        lines << Comment(constants);
    lines << Comment(QStringLiteral("Исходный газ, % об.:"));
    for (int i = 0; i < FeedComponentCount; ++i)
        lines << Comment(QString::fromUtf16(FeedNames[i]) + QStringLiteral(": ") +
                         FormatGeneral(engine.feedComposition[i], Point));
    lines << CsvLines(engine, x);
    return lines;
}

bool SaveUtf8TextFile(const QString& fileName, const QStringList& lines, QString* errorMessage) {
    auto fail = [&](const QString& why) {
        if (errorMessage != nullptr)
            *errorMessage = QStringLiteral("Не удалось записать файл %1: %2")
                                .arg(QDir::toNativeSeparators(fileName), why);
        return false;
    };
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(text) != text.size())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace quorvel
