#include "chart/ChartStyle.h"

#include "chart/ChartRounding.h"

namespace quorvel {

QFont ToQFont(const ChartFont& font) {
    QFont result(font.family);
    result.setPixelSize(font.pixelSize > 0 ? font.pixelSize : 1);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

int PointsToPixels(int points) {
    return RoundHalfAway(points * 96.0 / 72.0);
}

} // namespace quorvel
