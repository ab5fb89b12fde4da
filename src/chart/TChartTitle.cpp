#include "chart/TChartTitle.h"

namespace quorvel {

void TChartTitle::ClearText() {
    if (text_.isEmpty())
        return;
    text_.clear();
    Changed();
}

void TChartTitle::AddLine(const QString& line) {
    text_.append(line);
    Changed();
}

} // namespace quorvel
