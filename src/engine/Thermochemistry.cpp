#include "engine/Thermochemistry.h"

#include "engine/NasaRecords.h"
#include "engine/NasaThermoText.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace quorvel {

namespace {

constexpr const char* RecordNames[SpeciesCount] = {
    "CH4", "C2H6", "C3H8", "C4H10,n-butane", "N2", "CO", "CO2", "H2", "H2O", "C(gr)", "O2", "Ar"};

// The records of the twelve species, in the order of Species.
struct SpeciesTable {
    NasaRecord records[SpeciesCount];
};

SpeciesTable BuildTable() {
    constexpr int Capacity = 16;
    NasaRecord parsed[Capacity];
    const NasaParseOutcome outcome = ParseNasaRecords(NasaThermoText, parsed, Capacity);
    if (outcome.ErrorLine != 0) {
        throw std::logic_error("built-in NASA thermodynamic data malformed");
    }
    SpeciesTable table{};
    for (int s = 0; s < SpeciesCount; ++s) {
        bool found = false;
        for (int r = 0; r < outcome.RecordCount && !found; ++r) {
            if (std::strcmp(parsed[r].Name, RecordNames[s]) == 0) {
                table.records[s] = parsed[r];
                found = true;
            }
        }
        if (!found) {
            throw std::logic_error("built-in NASA thermodynamic data lack a species");
        }
    }
    return table;
}

const SpeciesTable& Table() {
    static const SpeciesTable table = BuildTable();
    return table;
}

// The interval holding T; below the first or above the last, the nearest one, whose
// polynomial is then extrapolated.
const NasaInterval& IntervalAt(Species species, double T) {
    const NasaRecord& record = Table().records[static_cast<int>(species)];
    for (int i = 0; i + 1 < record.IntervalCount; ++i) {
        if (T <= record.Intervals[i].THigh) {
            return record.Intervals[i];
        }
    }
    return record.Intervals[record.IntervalCount - 1];
}

} // namespace

const char* SpeciesRecordName(Species species) {
    return RecordNames[static_cast<int>(species)];
}

double CpOverR(Species species, double T) {
    const double* a = IntervalAt(species, T).a;
    return a[0] / (T * T) + a[1] / T + a[2] + T * (a[3] + T * (a[4] + T * (a[5] + T * a[6])));
}

double HOverRT(Species species, double T) {
    const NasaInterval& in = IntervalAt(species, T);
    const double* a = in.a;
    return -a[0] / (T * T) + a[1] * std::log(T) / T + a[2] +
           T * (a[3] / 2 + T * (a[4] / 3 + T * (a[5] / 4 + T * a[6] / 5))) + in.b1 / T;
}

double SOverR(Species species, double T) {
    const NasaInterval& in = IntervalAt(species, T);
    const double* a = in.a;
    return -a[0] / (2 * T * T) - a[1] / T + a[2] * std::log(T) +
           T * (a[3] + T * (a[4] / 2 + T * (a[5] / 3 + T * a[6] / 4))) + in.b2;
}

double GOverRT(Species species, double T) {
    return HOverRT(species, T) - SOverR(species, T);
}

double EnthalpyJPerMol(Species species, double T) {
    return HOverRT(species, T) * GasConstant * T;
}

double GibbsJPerMol(Species species, double T) {
    return GOverRT(species, T) * GasConstant * T;
}

double ReactionGibbsOverRT(const Reaction& reaction, double T) {
    double sum = 0;
    for (int i = 0; i < reaction.termCount; ++i) {
        sum += reaction.terms[i].coefficient * GOverRT(reaction.terms[i].species, T);
    }
    return sum;
}

double ReactionGibbsJPerMol(const Reaction& reaction, double T) {
    return ReactionGibbsOverRT(reaction, T) * GasConstant * T;
}

double ReactionEnthalpyJPerMol(const Reaction& reaction, double T) {
    double sum = 0;
    for (int i = 0; i < reaction.termCount; ++i) {
        sum += reaction.terms[i].coefficient * HOverRT(reaction.terms[i].species, T);
    }
    return sum * GasConstant * T;
}

double EquilibriumConstantBar(const Reaction& reaction, double T) {
    return std::exp(-ReactionGibbsOverRT(reaction, T));
}

} // namespace quorvel
