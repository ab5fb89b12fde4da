#include "chart/ColorScale.h"

#include "chart/ChartRounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

// Lightness, chroma and hue (degrees) in the OKLab colour space at five points of the
// scale, chosen to follow the well-known viridis scale; between them the three are
// interpolated linearly. Lightness in OKLab is close to perceived lightness, so a
// linear rise of it is a steady rise of the colour's brightness.
struct ScaleAnchor {
    double t;
    double lightness;
    double chroma;
    double hue;
};
constexpr std::array<ScaleAnchor, 5> kAnchors{{
    {0.00, 0.27, 0.13, 318.0}, // dark violet
    {0.25, 0.45, 0.10, 275.0}, // blue
    {0.50, 0.60, 0.10, 190.0}, // teal
    {0.75, 0.76, 0.16, 145.0}, // green
    {1.00, 0.92, 0.17, 105.0}, // yellow
}};

double ToSrgbChannel(double linear) {
    const double x = std::clamp(linear, 0.0, 1.0);
    return x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

struct LinearRgb {
    double red;
    double green;
    double blue;
    bool InGamut() const {
        return red >= 0 && red <= 1 && green >= 0 && green <= 1 && blue >= 0 && blue <= 1;
    }
};

// OKLab to linear sRGB by the matrices of B. Ottosson, "A perceptual color space for
// image processing" (2020).
LinearRgb FromOkLch(double lightness, double chroma, double hueDegrees) {
    const double hue = hueDegrees * std::numbers::pi / 180.0;
    const double a = chroma * std::cos(hue);
    const double b = chroma * std::sin(hue);
    const double l = std::pow(lightness + 0.3963377774 * a + 0.2158037573 * b, 3);
    const double m = std::pow(lightness - 0.1055613458 * a - 0.0638541728 * b, 3);
    const double s = std::pow(lightness - 0.0894841775 * a - 1.2914855480 * b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

// A colour outside the sRGB gamut loses chroma, not lightness, until it fits: clipping
// its channels instead would darken it and break the steady rise of the scale.
QColor ToScreen(double lightness, double chroma, double hue) {
    LinearRgb rgb = FromOkLch(lightness, chroma, hue);
    if (!rgb.InGamut()) {
        double inside = 0;
        double outside = chroma;
        for (int i = 0; i < 30; ++i) {
            const double mid = (inside + outside) / 2;
            (FromOkLch(lightness, mid, hue).InGamut() ? inside : outside) = mid;
        }
        rgb = FromOkLch(lightness, inside, hue);
    }
    auto channel = [](double v) { return Nearest(255.0 * ToSrgbChannel(v)); };
    return QColor(channel(rgb.red), channel(rgb.green), channel(rgb.blue));
}

QColor ComputedColor(double t) {
    std::size_t i = 1;
    while (i + 1 < kAnchors.size() && t > kAnchors[i].t)
        ++i;
    const ScaleAnchor& p = kAnchors[i - 1];
    const ScaleAnchor& q = kAnchors[i];
    const double u = (t - p.t) / (q.t - p.t);
    return ToScreen(p.lightness + u * (q.lightness - p.lightness),
                    p.chroma + u * (q.chroma - p.chroma), p.hue + u * (q.hue - p.hue));
}

const std::array<QColor, ColorScaleLevels>& Levels() {
    static const std::array<QColor, ColorScaleLevels> levels = [] {
        std::array<QColor, ColorScaleLevels> out;
        for (int k = 0; k < ColorScaleLevels; ++k)
            out[static_cast<std::size_t>(k)] = ComputedColor(k / double(ColorScaleLevels - 1));
        return out;
    }();
    return levels;
}

} // namespace

QColor ColorScaleColor(double t) {
    if (!(t == t))
        t = 0.5;
    const int k = Nearest(std::clamp(t, 0.0, 1.0) * (ColorScaleLevels - 1));
    return Levels()[static_cast<std::size_t>(k)];
}

double ColorScaleFraction(double value, double minimum, double maximum) {
    const double range = maximum - minimum;
    if (!(range > 0) || !std::isfinite(range))
        return 0.5;
    return std::clamp((value - minimum) / range, 0.0, 1.0);
}

} // namespace quorvel
