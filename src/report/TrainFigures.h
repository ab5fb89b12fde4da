#pragma once

// What the reports show of a solved train, derived from the stage results: shares,
// flows at the plant's capacity, conversion and ratios, duties in kW, and the totals.

#include <QString>

#include "engine/TrainSolver.h"

namespace quorvel {

// The species every stream is reported in, with their keys in the JSON and CSV output.
inline constexpr int ReportedSpeciesCount = 7;
inline constexpr Species ReportedSpecies[ReportedSpeciesCount] = {
    Species::CH4, Species::CO, Species::CO2, Species::H2, Species::N2, Species::Ar, Species::H2O};
inline constexpr const char* ReportedSpeciesKeys[ReportedSpeciesCount] = {"CH4", "CO", "CO2", "H2",
                                                                          "N2",  "Ar", "H2O"};

struct StageFigures {
    double wet[ReportedSpeciesCount]; // mole fractions of the wet gas
    double dry[ReportedSpeciesCount]; // of the dry gas (H2O 0)
    double flowsKmolH[ReportedSpeciesCount];
    double totalKmolH; // wet, every species
    double totalNm3H;  // wet
    double dryNm3H;
    double methaneConversion; // share of the feed's hydrocarbon carbon no longer in CH4
    double h2ToCo;
    double h2CoToN2; // (H2 + CO)/N2; +inf without nitrogen
    double dutyKw;
    double dutyKjPerMolFeed;
    double exchangerDutyKw;
    double carbonActivity; // the larger of the two
    bool carbonForms;
};

StageFigures FiguresOfStage(const TrainCase& train, const TrainResult& result, int stage);

struct TrainTotals {
    bool known; // every stage solved and the feed flow known
    double feedKmolH;
    double feedNm3H;
    double hydrogenNm3H;          // at the last outlet
    double hydrogenProducedKmolH; // at the last outlet less the feed's own
    double steamKmolH;
    double stageDutyKw;     // the stages' duties summed
    double exchangerDutyKw; // the exchangers' duties summed
};

TrainTotals TotalsOf(const TrainCase& train, const TrainResult& result);

// The Russian words of a stage kind and of why a stage was not solved.
QString StageKindName(StageKind kind);
const char* StageKindWord(StageKind kind); // "prereformer", ... as in the case file
QString StageFailureText(StageFailure failure);

} // namespace quorvel
