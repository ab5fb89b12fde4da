#pragma once

#include "engine/SweepKinds.h"

namespace quorvel {

// Every text that names a swept parameter or a view, in UTF-8, one row per kind: the
// table, the CSV file, the chart, the window's radio items and the command line all
// read them from here.

struct SweptParameterCaptions {
    const char* word;          // command line and batch files: --sweep ratio
    const char* csvColumn;     // the CSV column of the swept value
    const char* name;          // radio item, chart bottom axis, chart readout
    const char* lowerName;     // the same inside a sentence (the CSV comment)
    const char* label;         // fixed-parameter lines of the table and the CSV comment
    const char* columnHeading; // the table's first column, 11 characters wide
};

struct ResultViewCaptions {
    const char* word;       // command line and batch files: --view dry
    const char* name;       // radio item and chart left axis
    const char* chartTitle; // the chart's title line
    const char* series3;    // the third and fourth curves' legend entries
    const char* series4;
    const char* tableTitle;   // the table's title line and the CSV comment
    const char* tableHeading; // the table's value columns
};

inline constexpr SweptParameterCaptions SweptParameterTexts[SweptParameterCount] = {
    {"ratio", "ratio", "Соотношение пар/метан", "соотношение пар/метан",
     "Соотношение пар/метан, мол.д.", " пар/метан "},
    {"temperature", "temperature_C", "Температура, град. С", "температура, град. С",
     "Температура, град. С", "Температура"},
    {"pressure", "pressure_atm", "Давление, атм", "давление, атм", "Давление, атм", " Давление  "},
};

inline constexpr ResultViewCaptions ResultViewTexts[ResultViewCount] = {
    {"dry", "Состав сухого синтез-газа", "Состав сухого синтез-газа", "Диоксид", "Водород",
     "Состав сухого синтез-газа, мол. д.", " CH4     CO      CO2     H2      N2   Изм. объема"},
    {"wet", "Состав мокрого синтез-газа", "Состав мокрого синтез-газа", "Диоксид", "Водород",
     "Состав мокрого синтез-газа, мол. д.", " CH4     CO      CO2     H2      N2   Изм. объема"},
    {"ratios", "Соотношение продуктов", "Соотношение продуктов реакции", "Диоксид/СО", "Водород/СО",
     "Соотношение продуктов реакции, мол. д.", " H2/CO  CO2/CO"},
};

constexpr const SweptParameterCaptions& CaptionsOf(SweptParameter kind) {
    return SweptParameterTexts[IndexOf(kind)];
}
constexpr const ResultViewCaptions& CaptionsOf(ResultView kind) {
    return ResultViewTexts[IndexOf(kind)];
}

} // namespace quorvel
