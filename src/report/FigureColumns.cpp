#include "report/FigureColumns.h"

#include <charconv>
#include <cmath>

namespace quorvel {

namespace {

QString FigureText(double value) {
    if (!std::isfinite(value)) {
        return QString();
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QString FigureColumnsHeader() {
    return QStringLiteral("methane_conversion,h2_yield,steam_to_carbon,heat_duty_kj_per_mol");
}

void AppendFigureFields(const ReformerFigures& figures, int i, QStringList& fields) {
    for (const double* column :
         {figures.MethaneConversion, figures.H2Yield, figures.SteamToCarbon, figures.HeatDuty}) {
        fields << FigureText(column[i]);
    }
}

} // namespace quorvel
