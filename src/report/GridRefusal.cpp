#include "report/GridRefusal.h"

#include "report/NumberFormat.h"

namespace quorvel {

QString GridRefusal(const QString& what, const SweepRange& range, int capacity, QChar separator) {
    if (!(range.step > 0))
        return QStringLiteral("шаг %1 должен быть больше нуля").arg(what);
    if (range.last < range.first)
        return QStringLiteral("конец %1 (%2) меньше начала (%3)")
            .arg(what, FormatGeneral(range.last, separator), FormatGeneral(range.first, separator));
    if (range.count > capacity)
        return QStringLiteral("число точек %1 (от %2 до %3 с шагом %4) было бы %5, а "
                              "допускается не более %6: увеличьте шаг")
            .arg(what, FormatGeneral(range.first, separator), FormatGeneral(range.last, separator),
                 FormatGeneral(range.step, separator))
            .arg(range.count)
            .arg(capacity);
    return {};
}

} // namespace quorvel
