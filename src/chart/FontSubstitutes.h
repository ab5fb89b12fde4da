#pragma once

namespace quorvel {

// Maps the font families named by the chart and window configuration to fonts that
// every Linux machine of the project has (the metric-compatible Liberation families,
// which carry Cyrillic glyphs), so text is measured and drawn the same everywhere.
// Call once after the QApplication (or QGuiApplication) exists.
void InstallFontSubstitutes();

} // namespace quorvel
