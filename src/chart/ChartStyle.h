#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace quorvel {

// A pen of the chart: colour, width in pixels, solid or dotted, and whether it draws.
struct ChartPen {
    enum class Style { Solid, Dotted };
    QColor color = Qt::black;
    int width = 1;
    Style style = Style::Solid;
    bool visible = true;
    friend bool operator==(const ChartPen&, const ChartPen&) = default;
};

// A font of the chart with its colour. Sizes are character heights in pixels, so the
// same text measures the same on the screen and in an off-screen picture.
struct ChartFont {
    QString family = QStringLiteral("Arial");
    int pixelSize = 11; // 8 points at 96 pixels per inch, rounded as the desktop does
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
    friend bool operator==(const ChartFont&, const ChartFont&) = default;
};

// The QFont to measure and draw a ChartFont with.
QFont ToQFont(const ChartFont& font);

// Character height in pixels of a size in points at 96 pixels per inch, rounded half
// away from zero as the desktop converts it.
int PointsToPixels(int points);

} // namespace quorvel
