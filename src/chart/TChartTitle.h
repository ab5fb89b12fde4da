#pragma once

#include "chart/ChartChangeSink.h"
#include "chart/ChartStyle.h"

#include <QString>
#include <QStringList>

namespace quorvel {

enum class TChartTitleAlignment { Left, Centre, Right };

// The chart's title (at the top) or footer (at the bottom): lines of text in one font.
class TChartTitle : public ChartPart {
public:
    using ChartPart::ChartPart;

    const QStringList& Text() const { return text_; }
    int LineCount() const { return static_cast<int>(text_.size()); }
    void ClearText();
    void AddLine(const QString& line);
    void SetText(const QStringList& lines) { Assign(text_, lines); }

    const ChartFont& Font() const { return font_; }
    void SetFont(const ChartFont& font) { Assign(font_, font); }
    TChartTitleAlignment Alignment() const { return alignment_; }
    void SetAlignment(TChartTitleAlignment a) { Assign(alignment_, a); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Assign(visible_, v); }
    bool FrameVisible() const { return frameVisible_; }

private:
    QStringList text_;
    ChartFont font_;
    TChartTitleAlignment alignment_ = TChartTitleAlignment::Centre;
    bool visible_ = true;
    bool frameVisible_ = false;
};

} // namespace quorvel
