#include "chart/AxisLabelFormat.h"

#include <cmath>

namespace quorvel {

QString FormatAxisLabel(double value, const QLocale& locale) {
    if (!std::isfinite(value))
        return locale.toString(value);
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(value, 'f', 3);
    const QString decimal = grouped.decimalPoint();
    const qsizetype point = text.lastIndexOf(decimal);
    if (point >= 0) {
        qsizetype end = text.size();
        while (end > point + decimal.size() && text.at(end - 1) == grouped.zeroDigit().at(0))
            --end;
        if (end == point + decimal.size())
            end = point;
        text.truncate(end);
    }
    // Rounded to zero: drop the sign that a tiny negative value leaves behind.
    if (std::fabs(value) < 0.0005)
        return grouped.toString(0);
    return text;
}

} // namespace quorvel
