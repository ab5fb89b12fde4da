#include "report/TrainFigures.h"

#include <cmath>

namespace quorvel {

namespace {

constexpr double SecondsPerHour = 3600;

double HydrocarbonCarbon(const FeedComposition& feed) {
    return (feed.CH4() + 2 * feed.C2H6() + 3 * feed.C3H8() + 4 * feed.C4H10()) / 100;
}

// J per mol feed gas at `feedKmolH` kmol/h in kW: J/mol x mol/s / 1000.
double Kilowatts(double joulesPerMolFeed, double feedKmolH) {
    return joulesPerMolFeed * feedKmolH / SecondsPerHour;
}

} // namespace

StageFigures FiguresOfStage(const TrainCase& train, const TrainResult& result, int stage) {
    const StageResult& r = result.stages[stage];
    const GasStream& o = r.outlet;
    StageFigures f{};
    const double wet = WetTotal(o);
    const double dry = DryTotal(o);
    const double F = result.feedKmolH;
    for (int k = 0; k < ReportedSpeciesCount; ++k) {
        const double n = Amount(o, ReportedSpecies[k]);
        f.wet[k] = n / wet;
        f.dry[k] = ReportedSpecies[k] == Species::H2O ? 0 : n / dry;
        f.flowsKmolH[k] = n * F;
    }
    f.totalKmolH = wet * F;
    f.totalNm3H = f.totalKmolH * NormalCubicMetresPerKmol;
    f.dryNm3H = dry * F * NormalCubicMetresPerKmol;
    const double carbon = HydrocarbonCarbon(train.feed);
    f.methaneConversion = carbon > 0 ? (carbon - Amount(o, Species::CH4)) / carbon : 0;
    const double co = Amount(o, Species::CO);
    const double h2 = Amount(o, Species::H2);
    const double n2 = Amount(o, Species::N2);
    f.h2ToCo = co > 0 ? h2 / co : HUGE_VAL;
    f.h2CoToN2 = n2 > 0 ? (h2 + co) / n2 : HUGE_VAL;
    f.dutyKw = Kilowatts(r.dutyJ, F);
    f.dutyKjPerMolFeed = r.dutyJ / 1000;
    f.exchangerDutyKw = Kilowatts(r.exchangerDutyJ, F);
    f.carbonActivity = LargerActivity(r.carbon);
    f.carbonForms = CarbonCanForm(r.carbon);
    return f;
}

TrainTotals TotalsOf(const TrainCase& train, const TrainResult& result) {
    TrainTotals t{};
    const double F = result.feedKmolH;
    t.known = result.solvedCount == result.stageCount && result.stageCount > 0 && F > 0;
    t.feedKmolH = F;
    t.feedNm3H = F * NormalCubicMetresPerKmol;
    t.steamKmolH = result.steamMolPerMolFeed * F;
    for (int s = 0; s < result.solvedCount; ++s) {
        t.stageDutyKw += Kilowatts(result.stages[s].dutyJ, F);
        t.exchangerDutyKw += Kilowatts(result.stages[s].exchangerDutyJ, F);
    }
    if (result.solvedCount > 0) {
        const double h2 = Amount(result.stages[result.solvedCount - 1].outlet, Species::H2);
        t.hydrogenNm3H = h2 * F * NormalCubicMetresPerKmol;
        t.hydrogenProducedKmolH = (h2 - train.feed.H2() / 100) * F;
    }
    return t;
}

QString StageKindName(StageKind kind) {
    switch (kind) {
    case StageKind::Prereformer:
        return QStringLiteral("предриформинг");
    case StageKind::Reformer:
        return QStringLiteral("первичный риформинг");
    case StageKind::Secondary:
        return QStringLiteral("вторичный риформинг");
    case StageKind::Shift:
        return QStringLiteral("конверсия CO");
    }
    return {};
}

const char* StageKindWord(StageKind kind) {
    constexpr const char* words[] = {"prereformer", "reformer", "secondary", "shift"};
    return words[static_cast<int>(kind)];
}

QString StageFailureText(StageFailure failure) {
    switch (failure) {
    case StageFailure::None:
        return {};
    case StageFailure::NotComputed:
        return QStringLiteral("не рассчитана: не решена предыдущая ступень");
    case StageFailure::OutletBelowRange:
        return QStringLiteral(
            "не решается: по тепловому балансу температура на выходе ниже 200 °C");
    case StageFailure::OutletAboveRange:
        return QStringLiteral(
            "не решается: по тепловому балансу температура на выходе выше 1600 °C");
    case StageFailure::TargetUnreachable:
        return QStringLiteral("не решается: никакое количество окислителя не даёт заданной цели");
    case StageFailure::NoPhysicalGas:
        return QStringLiteral(
            "не решается: ни один состав газа не имеет всех количеств больше нуля");
    case StageFailure::DutyWithoutFeedFlow:
        return QStringLiteral(
            "не решается: мощность в кВт требует производительности по исходному газу");
    }
    return {};
}

} // namespace quorvel
