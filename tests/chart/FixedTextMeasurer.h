#pragma once

#include "chart/TextMeasurer.h"

// Text sizes that tests can work out by hand: every character is `charWidth` pixels
// wide and a font's text height is its pixel size plus `extraHeight`.
class FixedTextMeasurer : public quorvel::TextMeasurer {
public:
    explicit FixedTextMeasurer(int charWidth = 6, int extraHeight = 2, int fixedHeight = 0)
        : charWidth_(charWidth), extraHeight_(extraHeight), fixedHeight_(fixedHeight) {}
    int TextHeight(const quorvel::ChartFont& font) const override {
        return fixedHeight_ > 0 ? fixedHeight_ : font.pixelSize + extraHeight_;
    }
    int TextWidth(const quorvel::ChartFont&, const QString& text) const override {
        return charWidth_ * static_cast<int>(text.size());
    }

private:
    int charWidth_;
    int extraHeight_;
    int fixedHeight_;
};
