#include "report/CarbonMarks.h"

#include <algorithm>

namespace quorvel {

void MarkCarbonFormation(const Engine& engine, QStringList& tableLines) {
    const int pointCount = std::min(engine.resultSeries.LastIndex, ResultCapacity - 1) + 1;
    const int firstPointLine = static_cast<int>(tableLines.size()) - pointCount;
    const CarbonSeries& carbon = engine.carbonSeries;
    for (int i = 0; i < pointCount && firstPointLine >= 0; ++i) {
        if (carbon.Known[i] && CarbonCanForm({carbon.Cracking[i], carbon.Boudouard[i]}))
            tableLines[firstPointLine + i] += QString::fromUtf16(CarbonMark);
    }
    tableLines << QString() << QString::fromUtf16(CarbonMarkFootnote);
}

} // namespace quorvel
