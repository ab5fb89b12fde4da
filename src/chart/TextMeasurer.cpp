#include "chart/TextMeasurer.h"

namespace quorvel {

const QFontMetrics& FontTextMeasurer::Metrics(const ChartFont& font) const {
    const QString key = QStringLiteral("%1|%2|%3|%4")
                            .arg(font.family)
                            .arg(font.pixelSize)
                            .arg(font.bold ? 1 : 0)
                            .arg(font.italic ? 1 : 0);
    auto it = cache_.find(key);
    if (it == cache_.end())
        it = cache_.emplace(key, QFontMetrics(ToQFont(font))).first;
    return it->second;
}

int FontTextMeasurer::TextHeight(const ChartFont& font) const {
    const QFontMetrics& m = Metrics(font);
    return m.ascent() + m.descent();
}

int FontTextMeasurer::TextWidth(const ChartFont& font, const QString& text) const {
    return Metrics(font).horizontalAdvance(text);
}

int FontTextMeasurer::Ascent(const ChartFont& font) const {
    return Metrics(font).ascent();
}

} // namespace quorvel
