#include "report/TrainReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "report/NumberFormat.h"
#include "report/TrainFigures.h"

namespace quorvel {

namespace {

// The totals' keys in the CSV and the JSON output, in their order.
struct TotalKey {
    const char* name;
    double TrainTotals::*value;
};
constexpr TotalKey TotalKeys[] = {
    {"feed_kmol_h", &TrainTotals::feedKmolH},
    {"feed_nm3_h", &TrainTotals::feedNm3H},
    {"hydrogen_nm3_h", &TrainTotals::hydrogenNm3H},
    {"hydrogen_produced_kmol_h", &TrainTotals::hydrogenProducedKmolH},
    {"steam_kmol_h", &TrainTotals::steamKmolH},
    {"stage_duty_kw", &TrainTotals::stageDutyKw},
    {"exchanger_duty_kw", &TrainTotals::exchangerDutyKw},
};

constexpr double Kelvin0 = StandardKelvinOffset;
constexpr const char* CarbonWarning = "ВНИМАНИЕ: возможно отложение углерода";

QString Fixed(double value, int decimals, QChar separator) {
    if (!std::isfinite(value)) {
        return QStringLiteral("∞");
    }
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero is written without a minus sign.
    if (text.startsWith(QLatin1Char('-')) && QString::number(0.0, 'f', decimals) == text.mid(1)) {
        text.remove(0, 1);
    }
    return text.replace(QLatin1Char('.'), separator);
}

QString Row(const QString& label, const double* values, double factor, int decimals,
            QChar separator) {
    QString line = QStringLiteral("    %1").arg(label, -10);
    for (int k = 0; k < ReportedSpeciesCount; ++k) {
        line += Fixed(values[k] * factor, decimals, separator).rightJustified(11);
    }
    return line;
}

// A JSON number; a value without a finite form (a ratio without CO or N2) is null.
QJsonValue Number(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject SpeciesObject(const double* values) {
    QJsonObject o;
    for (int k = 0; k < ReportedSpeciesCount; ++k) {
        o[QLatin1String(ReportedSpeciesKeys[k])] = Number(values[k]);
    }
    return o;
}

QString Csv(double value) {
    return std::isfinite(value) ? ShortestNumber(value) : QStringLiteral("inf");
}

} // namespace

QStringList TrainTableLines(const TrainCaseFile& file, const TrainResult& result, QChar separator) {
    const TrainCase& train = file.train;
    const TrainTotals totals = TotalsOf(train, result);
    QStringList lines;
    if (!file.name.isEmpty()) {
        lines << QStringLiteral("Схема: %1").arg(file.name);
    }
    lines << QStringLiteral("Исходный газ: %1 кмоль/ч (%2 нм³/ч), %3 °C; пар: %4 моль на моль "
                            "исходного газа, %5 °C")
                 .arg(Fixed(totals.feedKmolH, 2, separator), Fixed(totals.feedNm3H, 1, separator),
                      Fixed(train.feedTemperatureC, 1, separator),
                      Fixed(result.steamMolPerMolFeed, 4, separator),
                      Fixed(train.steamTemperatureC, 1, separator));
    QString header = QStringLiteral("    %1").arg(QString(), -10);
    for (const char* key : ReportedSpeciesKeys) {
        header += QString::fromLatin1(key).rightJustified(11);
    }
    for (int s = 0; s < result.stageCount; ++s) {
        const StageKind kind = train.stages[s].kind;
        const StageResult& r = result.stages[s];
        lines << QString();
        lines << QStringLiteral("Ступень %1: %2 (%3)")
                     .arg(s + 1)
                     .arg(StageKindName(kind), QLatin1String(StageKindWord(kind)));
        if (r.failure != StageFailure::None) {
            lines << QStringLiteral("    ") + StageFailureText(r.failure);
            continue;
        }
        const StageFigures f = FiguresOfStage(train, result, s);
        lines << QStringLiteral("    вход %1 °C, выход %2 °C, давление %3 бар")
                     .arg(Fixed(r.inletKelvin - Kelvin0, 1, separator),
                          Fixed(r.outletKelvin - Kelvin0, 1, separator),
                          Fixed(r.pressureBar, 2, separator));
        lines << QStringLiteral("    тепло ступени %1 кВт (%2 кДж/моль исходного газа), "
                                "теплообменник перед ней %3 кВт")
                     .arg(Fixed(f.dutyKw, 1, separator), Fixed(f.dutyKjPerMolFeed, 3, separator),
                          Fixed(f.exchangerDutyKw, 1, separator));
        if (kind == StageKind::Secondary) {
            lines << QStringLiteral("    окислитель %1 моль на моль исходного газа (%2 кмоль/ч)")
                         .arg(Fixed(r.oxidantMolPerMolFeed, 5, separator),
                              Fixed(r.oxidantMolPerMolFeed * result.feedKmolH, 2, separator));
        }
        lines << header;
        lines << Row(QStringLiteral("влажный, %"), f.wet, 100, 4, separator);
        lines << Row(QStringLiteral("сухой, %"), f.dry, 100, 4, separator);
        lines << Row(QStringLiteral("кмоль/ч"), f.flowsKmolH, 1, 2, separator);
        lines << QStringLiteral("    всего %1 кмоль/ч, %2 нм³/ч (сухой газ %3 нм³/ч)")
                     .arg(Fixed(f.totalKmolH, 2, separator), Fixed(f.totalNm3H, 1, separator),
                          Fixed(f.dryNm3H, 1, separator));
        lines << QStringLiteral("    конверсия метана %1 %, H2/CO %2, (H2+CO)/N2 %3, "
                                "активность углерода %4")
                     .arg(Fixed(f.methaneConversion * 100, 3, separator),
                          Fixed(f.h2ToCo, 4, separator), Fixed(f.h2CoToN2, 4, separator),
                          Fixed(f.carbonActivity, 4, separator));
        if (f.carbonForms) {
            lines << QStringLiteral("    ") + QString::fromUtf8(CarbonWarning);
        }
    }
    lines << QString();
    if (!totals.known) {
        lines << QStringLiteral("Итого: не все ступени рассчитаны");
        return lines;
    }
    lines << QStringLiteral("Итого: водород на выходе %1 нм³/ч (получено %2 кмоль/ч), пар %3 "
                            "кмоль/ч,")
                 .arg(Fixed(totals.hydrogenNm3H, 1, separator),
                      Fixed(totals.hydrogenProducedKmolH, 2, separator),
                      Fixed(totals.steamKmolH, 2, separator));
    lines << QStringLiteral("       тепло ступеней %1 кВт, теплообменников %2 кВт")
                 .arg(Fixed(totals.stageDutyKw, 1, separator),
                      Fixed(totals.exchangerDutyKw, 1, separator));
    return lines;
}

QStringList TrainCsvLines(const TrainCaseFile& file, const TrainResult& result) {
    const TrainCase& train = file.train;
    QStringList header = {"stage",
                          "kind",
                          "status",
                          "inlet_temperature_c",
                          "outlet_temperature_c",
                          "pressure_bar",
                          "duty_kw",
                          "duty_kj_per_mol_feed",
                          "exchanger_duty_kw",
                          "oxidant_mol_per_mol_feed"};
    for (const char* prefix : {"wet_", "dry_", "flow_kmol_h_"}) {
        for (const char* key : ReportedSpeciesKeys) {
            header << QLatin1String(prefix) + QLatin1String(key);
        }
    }
    header << "total_kmol_h"
           << "total_nm3_h"
           << "methane_conversion"
           << "h2_to_co"
           << "h2_co_to_n2"
           << "carbon_activity"
           << "carbon_forms";
    QStringList lines = {header.join(',')};
    for (int s = 0; s < result.stageCount; ++s) {
        const StageResult& r = result.stages[s];
        QStringList row = {QString::number(s + 1),
                           QLatin1String(StageKindWord(train.stages[s].kind))};
        if (r.failure != StageFailure::None) {
            row << QStringLiteral("\"%1\"").arg(StageFailureText(r.failure));
            while (row.size() < header.size()) {
                row << QString();
            }
            lines << row.join(',');
            continue;
        }
        const StageFigures f = FiguresOfStage(train, result, s);
        row << "ok" << Csv(r.inletKelvin - Kelvin0) << Csv(r.outletKelvin - Kelvin0)
            << Csv(r.pressureBar) << Csv(f.dutyKw) << Csv(f.dutyKjPerMolFeed)
            << Csv(f.exchangerDutyKw)
            << (train.stages[s].kind == StageKind::Secondary ? Csv(r.oxidantMolPerMolFeed)
                                                             : QString());
        for (const double* values : {f.wet, f.dry, f.flowsKmolH}) {
            for (int k = 0; k < ReportedSpeciesCount; ++k) {
                row << Csv(values[k]);
            }
        }
        row << Csv(f.totalKmolH) << Csv(f.totalNm3H) << Csv(f.methaneConversion) << Csv(f.h2ToCo)
            << Csv(f.h2CoToN2) << Csv(f.carbonActivity) << (f.carbonForms ? "1" : "0");
        lines << row.join(',');
    }
    const TrainTotals t = TotalsOf(train, result);
    lines << QString() << "quantity,value";
    const auto total = [&](const char* name, double value) {
        lines << QLatin1String(name) + QLatin1Char(',') + (t.known ? Csv(value) : QString());
    };
    for (const TotalKey& key : TotalKeys)
        total(key.name, t.*key.value);
    return lines;
}

QByteArray TrainJson(const TrainCaseFile& file, const TrainResult& result) {
    const TrainCase& train = file.train;
    QJsonArray stages;
    for (int s = 0; s < result.stageCount; ++s) {
        const StageResult& r = result.stages[s];
        QJsonObject o;
        o["kind"] = QLatin1String(StageKindWord(train.stages[s].kind));
        if (r.failure != StageFailure::None) {
            o["failure"] = StageFailureText(r.failure);
            stages.append(o);
            continue;
        }
        const StageFigures f = FiguresOfStage(train, result, s);
        o["inlet_temperature_c"] = r.inletKelvin - Kelvin0;
        o["outlet_temperature_c"] = r.outletKelvin - Kelvin0;
        o["pressure_bar"] = r.pressureBar;
        o["duty_kw"] = f.dutyKw;
        o["duty_kj_per_mol_feed"] = f.dutyKjPerMolFeed;
        o["exchanger_duty_kw"] = f.exchangerDutyKw;
        if (train.stages[s].kind == StageKind::Secondary) {
            o["oxidant_mol_per_mol_feed"] = r.oxidantMolPerMolFeed;
        }
        o["wet_mole_fractions"] = SpeciesObject(f.wet);
        o["dry_mole_fractions"] = SpeciesObject(f.dry);
        o["flows_kmol_h"] = SpeciesObject(f.flowsKmolH);
        o["total_kmol_h"] = f.totalKmolH;
        o["total_nm3_h"] = f.totalNm3H;
        o["methane_conversion"] = f.methaneConversion;
        o["h2_to_co"] = Number(f.h2ToCo);
        o["h2_co_to_n2"] = Number(f.h2CoToN2);
        o["carbon_activity"] = Number(f.carbonActivity);
        o["carbon_forms"] = f.carbonForms;
        stages.append(o);
    }
    const TrainTotals t = TotalsOf(train, result);
    QJsonObject totals;
    const auto total = [&](const char* name, double value) {
        totals[QLatin1String(name)] = t.known ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
    };
    for (const TotalKey& key : TotalKeys)
        total(key.name, t.*key.value);
    QJsonObject root;
    root["name"] = file.name;
    root["stages"] = stages;
    root["totals"] = totals;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace quorvel
