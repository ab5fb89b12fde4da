#pragma once

#include <QLocale>
#include <QString>

#include <optional>

#include "engine/InputLimits.h"

namespace quorvel {

// Converts a parameter entry's text the way the desktop reads a number: blanks around
// it, an optional sign, ASCII digits with the locale's decimal separator (at least one
// digit), an optional exponent ("E" or "e", optional sign, digits), nothing else. No
// thousands separators. A value beyond the range of double is refused as well.
std::optional<double> ParseEntryNumber(const QString& text, const QLocale& locale);

// A text written with a comma as decimal separator, rewritten with the locale's
// separator ("0,2" -> "0.2" under a point locale). Only the separator changes.
QString WithDecimalSeparator(const QString& commaText, const QLocale& locale);

// The locale's decimal separator as one character; a point where the locale names none.
QChar DecimalSeparatorOf(const QLocale& locale);

// The bounds of one parameter entry and the texts that replace a value beyond them.
struct EntryBounds {
    double upper;
    QString upperText; // written with a comma; see WithDecimalSeparator
    double lower;
    QString lowerText;
};

EntryBounds RatioBounds();       // 0.2 .. 5 steam per feed gas
EntryBounds TemperatureBounds(); // 300 .. 980 degrees Celsius
EntryBounds PressureBounds();    // 1 .. 30 atm

// The bounds of any limits, with their texts as the table's header writes them: an entry
// in S/C or another pressure unit, or with the standard data's wider limits.
EntryBounds BoundsOfLimits(EntryLimits limits);

// The outcome of clamping: the value to store and, when a bound applied, the text that
// replaces the entry's text (already with the locale's separator).
struct ClampResult {
    double value;
    std::optional<QString> replacementText;
};

// The upper bound first, then the lower; both strict, so a bound itself passes.
ClampResult ClampEntryValue(double value, const EntryBounds& bounds, const QLocale& locale);

} // namespace quorvel
