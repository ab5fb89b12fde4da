#pragma once

#include <QLocale>
#include <QString>

namespace quorvel {

// Formats an axis value as "#,##0.###": at least one integer digit, the locale's
// group separator between groups of three integer digits, at most three decimals
// with trailing zeros dropped, the locale's decimal separator. A value that rounds
// to zero is written "0", never "-0".
QString FormatAxisLabel(double value, const QLocale& locale);

} // namespace quorvel
