#include "report/CarbonMarks.h"

#include <algorithm>

namespace quorvel {

int MarkCarbonFormation(const Engine& engine, QStringList& tableLines) {
    const int pointCount = std::min(engine.resultSeries.LastIndex, ResultCapacity - 1) + 1;
    const int firstPointLine = static_cast<int>(tableLines.size()) - pointCount;
    const CarbonSeries& carbon = engine.carbonSeries;
    int marked = 0;
    for (int i = 0; i < pointCount && firstPointLine >= 0; ++i) {
        if (!carbon.Known[i] || !CarbonCanForm({carbon.Cracking[i], carbon.Boudouard[i]}))
            continue;
        QString& line = tableLines[firstPointLine + i];
        if (line.startsWith(u' '))
            line[0] = QChar(CarbonMark);
        else
            line += QStringLiteral("  ") + QChar(CarbonMark);
        ++marked;
    }
    if (marked > 0)
        tableLines << QString() << QString::fromUtf16(CarbonMarkFootnote);
    return marked;
}

} // namespace quorvel
