#pragma once

#include "chart/ChartStyle.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <unordered_map>

namespace quorvel {

// Text sizes the layout needs. The text height of a font is the height of "W" in it,
// taken as the font's ascent plus descent (the height of the line box that "W" is
// drawn in), so lines stacked by it never overlap.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextHeight(const ChartFont& font) const = 0;
    virtual int TextWidth(const ChartFont& font, const QString& text) const = 0;
};

// Measures with the real fonts (QFontMetrics), caching one metrics object per font.
class FontTextMeasurer : public TextMeasurer {
public:
    int TextHeight(const ChartFont& font) const override;
    int TextWidth(const ChartFont& font, const QString& text) const override;
    // Ascent of the font, to place a text box's baseline when painting.
    int Ascent(const ChartFont& font) const;

private:
    const QFontMetrics& Metrics(const ChartFont& font) const;
    mutable std::unordered_map<QString, QFontMetrics> cache_;
};

} // namespace quorvel
