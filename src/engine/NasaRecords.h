#pragma once

// Records of the NASA Glenn thermodynamic database (McBride, Zehe, Gordon, NASA/TP-2002-
// 211556): per species, temperature intervals of nine coefficients each. The parser
// works on fixed-size records and allocates nothing.

#include <string_view>

namespace quorvel {

struct NasaInterval {
    double TLow;  // K
    double THigh; // K
    double a[7];  // Cp/R = a1 T^-2 + a2 T^-1 + a3 + a4 T + a5 T^2 + a6 T^3 + a7 T^4
    double b1;    // integration constant of H/RT
    double b2;    // integration constant of S/R
};

inline constexpr int NasaMaxIntervals = 3;
inline constexpr int NasaNameCapacity = 24;

struct NasaRecord {
    char Name[NasaNameCapacity]; // the first word of the name line, zero-terminated
    int IntervalCount;
    bool Condensed;         // phase field non-zero: a solid or liquid
    double MolarMass;       // g/mol
    double HeatOfFormation; // J/mol at 298.15 K
    NasaInterval Intervals[NasaMaxIntervals];
};

struct NasaParseOutcome {
    int RecordCount; // records written
    int ErrorLine;   // 1-based line of the first malformed line, 0 when all is well
};

// Parses the text of a thermo.inp file (its "thermo" header line, the line of global
// temperature ranges, records, and the END lines) into at most capacity records.
NasaParseOutcome ParseNasaRecords(std::string_view text, NasaRecord* records, int capacity);

} // namespace quorvel
