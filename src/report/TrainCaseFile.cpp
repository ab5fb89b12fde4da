#include "report/TrainCaseFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <initializer_list>

#include "engine/FeedTotal.h"
#include "engine/InletEnthalpy.h"
#include "engine/InputLimits.h"
#include "engine/TrainSolver.h"

namespace quorvel {

namespace {

constexpr double SteamValueHighest = 20;    // mol per mol, or S/C
constexpr double OxidantAmountHighest = 20; // mol per mol feed gas
constexpr double PercentTolerance = 1e-6;   // a composition adds up to 100 within this

const char* const StageKindWords[] = {"prereformer", "reformer", "secondary", "shift"};
const char* const OxidantKindWords[] = {"air", "oxygen", "composition"};
const char* const OxidantKeys[OxidantCount] = {"O2", "N2", "Ar", "CO2", "H2O"};

// A refusal thrown inside the reader and caught at its top: the path and the reason.
struct Refusal {
    QString path;
    QString reason;
};

[[noreturn]] void Refuse(const QString& path, const QString& reason) {
    throw Refusal{path, reason};
}

QString Join(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

// An object whose every key is one of `allowed`.
QJsonObject ObjectAt(const QJsonValue& value, const QString& path,
                     std::initializer_list<const char*> allowed) {
    if (!value.isObject()) {
        Refuse(path, QStringLiteral("ожидается объект { ... }"));
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (const char* key : allowed) {
            known = known || it.key() == QLatin1String(key);
        }
        if (!known) {
            Refuse(Join(path, it.key()), QStringLiteral("неизвестный ключ"));
        }
    }
    return object;
}

double NumberAt(const QJsonObject& object, const QString& path, const char* key, double lowest,
                double highest) {
    const QString at = Join(path, QLatin1String(key));
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        Refuse(at, QStringLiteral("значение обязательно"));
    }
    if (!value.isDouble()) {
        Refuse(at, QStringLiteral("ожидается число"));
    }
    const double number = value.toDouble();
    if (!(number >= lowest && number <= highest)) {
        Refuse(at, QStringLiteral("значение %1 вне допустимого диапазона %2 … %3")
                       .arg(number)
                       .arg(lowest)
                       .arg(highest));
    }
    return number;
}

double PositiveAt(const QJsonObject& object, const QString& path, const char* key, double highest) {
    const double number = NumberAt(object, path, key, 0, highest);
    if (!(number > 0)) {
        Refuse(Join(path, QLatin1String(key)), QStringLiteral("значение должно быть больше нуля"));
    }
    return number;
}

// The one key of `keys` that the object has; refused if it has none or several.
int OneOf(const QJsonObject& object, const QString& path, std::initializer_list<const char*> keys,
          bool required = true) {
    int found = -1;
    int index = 0;
    QStringList names;
    for (const char* key : keys) {
        names << QLatin1String(key);
        if (object.contains(QLatin1String(key))) {
            if (found >= 0) {
                Refuse(Join(path, QLatin1String(key)),
                       QStringLiteral("можно задать только одно из: %1").arg(names.join(", ")));
            }
            found = index;
        }
        ++index;
    }
    if (found < 0 && required) {
        Refuse(path, QStringLiteral("нужно задать одно из: %1").arg(names.join(", ")));
    }
    return found;
}

int WordAt(const QJsonObject& object, const QString& path, const char* key,
           const char* const* words, int count) {
    const QString at = Join(path, QLatin1String(key));
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        Refuse(at, QStringLiteral("значение обязательно"));
    }
    if (!value.isString()) {
        Refuse(at, QStringLiteral("ожидается строка"));
    }
    QStringList allowed;
    for (int i = 0; i < count; ++i) {
        if (value.toString() == QLatin1String(words[i])) {
            return i;
        }
        allowed << QLatin1String(words[i]);
    }
    Refuse(at, QStringLiteral("неизвестное значение «%1»; допустимы: %2")
                   .arg(value.toString(), allowed.join(", ")));
}

void ReadCapacity(const QJsonValue& value, TrainCase& train) {
    const QString path = QStringLiteral("capacity");
    const QJsonObject o = ObjectAt(value, path, {"feed_kmol_h", "feed_nm3_h", "hydrogen_nm3_h"});
    const char* keys[] = {"feed_kmol_h", "feed_nm3_h", "hydrogen_nm3_h"};
    const int which = OneOf(o, path, {keys[0], keys[1], keys[2]});
    train.capacityKind = static_cast<CapacityKind>(which);
    train.capacity = PositiveAt(o, path, keys[which], 1e9);
}

void ReadFeed(const QJsonValue& value, TrainCase& train) {
    const QString path = QStringLiteral("feed");
    const QJsonObject o = ObjectAt(value, path, {"composition", "temperature_c"});
    const QString at = QStringLiteral("feed.composition");
    const QJsonValue composition = o.value(QLatin1String("composition"));
    if (composition.isUndefined()) {
        Refuse(at, QStringLiteral("значение обязательно"));
    }
    if (!composition.isArray() || composition.toArray().size() != FeedComponentCount) {
        Refuse(at, QStringLiteral("ожидается массив из девяти чисел, % об.: CH4, C2H6, C3H8, "
                                  "C4H10, N2, CO, CO2, H2, H2O"));
    }
    const QJsonArray array = composition.toArray();
    for (int i = 0; i < FeedComponentCount; ++i) {
        const QString item = at + QStringLiteral("[%1]").arg(i);
        if (!array[i].isDouble()) {
            Refuse(item, QStringLiteral("ожидается число"));
        }
        const double v = array[i].toDouble();
        if (!(v >= 0 && v <= 100)) {
            Refuse(item, QStringLiteral("значение %1 вне допустимого диапазона 0 … 100").arg(v));
        }
        train.feed[i] = v;
    }
    const double total = FeedTotal(train.feed.values, FeedComponentCount);
    if (!FeedTotalIsAccepted(total)) {
        Refuse(at, QStringLiteral("сумма компонентов %1 %, а должна быть 100 %").arg(total));
    }
    train.feedTemperatureC =
        NumberAt(o, path, "temperature_c", InletCelsiusLowest, InletCelsiusHighest);
}

void ReadSteam(const QJsonValue& value, TrainCase& train) {
    const QString path = QStringLiteral("steam");
    const QJsonObject o = ObjectAt(value, path, {"steam_to_carbon", "ratio", "temperature_c"});
    const int which = OneOf(o, path, {"steam_to_carbon", "ratio"});
    train.steamKind = which == 0 ? SteamAmountKind::SteamToCarbon : SteamAmountKind::MolPerMolFeed;
    train.steamValue =
        PositiveAt(o, path, which == 0 ? "steam_to_carbon" : "ratio", SteamValueHighest);
    train.steamTemperatureC =
        NumberAt(o, path, "temperature_c", InletCelsiusLowest, InletCelsiusHighest);
    if (!(SteamMolPerMolFeed(train) > 0)) {
        Refuse(Join(path, which == 0 ? QStringLiteral("steam_to_carbon") : QStringLiteral("ratio")),
               QStringLiteral("пара не остаётся: вода исходного газа уже даёт такое отношение "
                              "пар/углерод, или в газе нет углерода"));
    }
}

void ReadOxidant(const QJsonValue& value, const QString& path, TrainStage& stage) {
    const QJsonObject o = ObjectAt(
        value, path, {"kind", "composition", "temperature_c", "mol_per_mol_feed", "target"});
    OxidantStream& ox = stage.oxidant;
    ox.kind = static_cast<OxidantKind>(WordAt(o, path, "kind", OxidantKindWords, 3));
    const QString compositionPath = Join(path, QStringLiteral("composition"));
    if (ox.kind == OxidantKind::Composition) {
        if (!o.contains(QLatin1String("composition"))) {
            Refuse(compositionPath, QStringLiteral("значение обязательно для kind «composition»"));
        }
        const QJsonObject c = ObjectAt(o.value(QLatin1String("composition")), compositionPath,
                                       {"O2", "N2", "Ar", "CO2", "H2O"});
        double total = 0;
        for (int k = 0; k < OxidantCount; ++k) {
            const QJsonValue v = c.value(QLatin1String(OxidantKeys[k]));
            ox.percent[k] =
                v.isUndefined() ? 0 : NumberAt(c, compositionPath, OxidantKeys[k], 0, 100);
            total += ox.percent[k];
        }
        if (std::fabs(total - 100) > PercentTolerance) {
            Refuse(compositionPath,
                   QStringLiteral("сумма компонентов %1 %, а должна быть 100 %").arg(total));
        }
        if (!(ox.percent[OxidantO2] > 0)) {
            Refuse(Join(compositionPath, QStringLiteral("O2")),
                   QStringLiteral("в окислителе нет кислорода"));
        }
    } else {
        if (o.contains(QLatin1String("composition"))) {
            Refuse(compositionPath,
                   QStringLiteral("состав задаётся только для kind «composition»"));
        }
        const double* percent = ox.kind == OxidantKind::Air ? AirPercent : OxygenPercent;
        for (int k = 0; k < OxidantCount; ++k) {
            ox.percent[k] = percent[k];
        }
    }
    ox.temperatureC = NumberAt(o, path, "temperature_c", TrainCelsiusLowest, InletCelsiusHighest);
    if (OneOf(o, path, {"mol_per_mol_feed", "target"}) == 0) {
        ox.amountKind = OxidantAmountKind::MolPerMolFeed;
        ox.value = PositiveAt(o, path, "mol_per_mol_feed", OxidantAmountHighest);
        return;
    }
    const QString targetPath = Join(path, QStringLiteral("target"));
    const QJsonObject t = ObjectAt(o.value(QLatin1String("target")), targetPath,
                                   {"h2_co_to_n2", "outlet_temperature_c"});
    if (OneOf(t, targetPath, {"h2_co_to_n2", "outlet_temperature_c"}) == 0) {
        ox.amountKind = OxidantAmountKind::H2CoToN2;
        ox.value = PositiveAt(t, targetPath, "h2_co_to_n2", 1e6);
    } else {
        ox.amountKind = OxidantAmountKind::OutletTemperature;
        ox.value = NumberAt(t, targetPath, "outlet_temperature_c", AdiabaticCelsiusLowest,
                            AdiabaticCelsiusHighest);
    }
}

void ReadStage(const QJsonValue& value, const QString& path, TrainCase& train, TrainStage& stage) {
    if (!value.isObject()) {
        Refuse(path, QStringLiteral("ожидается объект { ... }"));
    }
    const QJsonObject probe = value.toObject();
    stage.kind = static_cast<StageKind>(WordAt(probe, path, "kind", StageKindWords, 4));
    const bool shift = stage.kind == StageKind::Shift;
    const bool secondary = stage.kind == StageKind::Secondary;
    const QJsonObject o =
        shift ? ObjectAt(value, path,
                         {"kind", "inlet_temperature_c", "pressure_bar", "outlet_temperature_c",
                          "adiabatic", "duty_kw", "approach_k"})
        : secondary
            ? ObjectAt(value, path,
                       {"kind", "inlet_temperature_c", "pressure_bar", "outlet_temperature_c",
                        "adiabatic", "duty_kw", "approach_reforming_k", "approach_shift_k",
                        "oxidant"})
            : ObjectAt(value, path,
                       {"kind", "inlet_temperature_c", "pressure_bar", "outlet_temperature_c",
                        "adiabatic", "duty_kw", "approach_reforming_k", "approach_shift_k"});
    stage.inletGiven = o.contains(QLatin1String("inlet_temperature_c"));
    if (stage.inletGiven) {
        stage.inletTemperatureC =
            NumberAt(o, path, "inlet_temperature_c", TrainCelsiusLowest, TrainCelsiusHighest);
    }
    stage.pressureBar =
        NumberAt(o, path, "pressure_bar", TrainPressureLowestBar, TrainPressureHighestBar);
    const int thermal =
        OneOf(o, path, {"outlet_temperature_c", "adiabatic", "duty_kw"}, !secondary);
    if (thermal == 0) {
        stage.thermal = ThermalKind::OutletTemperature;
        stage.outletTemperatureC = NumberAt(o, path, "outlet_temperature_c", AdiabaticCelsiusLowest,
                                            AdiabaticCelsiusHighest);
    } else if (thermal == 2) {
        stage.thermal = ThermalKind::Duty;
        stage.dutyKw = NumberAt(o, path, "duty_kw", -1e9, 1e9);
        if (train.capacityKind == CapacityKind::HydrogenNm3H) {
            Refuse(Join(path, QStringLiteral("duty_kw")),
                   QStringLiteral("мощность в кВт требует производительности по исходному газу "
                                  "(capacity.feed_kmol_h или capacity.feed_nm3_h)"));
        }
    } else {
        stage.thermal = ThermalKind::Adiabatic;
        const QJsonValue flag = o.value(QLatin1String("adiabatic"));
        if (!flag.isUndefined() && !flag.isBool()) {
            Refuse(Join(path, QStringLiteral("adiabatic")), QStringLiteral("ожидается true"));
        }
        if (flag.isBool() && !flag.toBool()) {
            Refuse(Join(path, QStringLiteral("adiabatic")),
                   QStringLiteral("false не задаёт режим: укажите outlet_temperature_c или "
                                  "duty_kw"));
        }
    }
    const auto approach = [&](const char* key) {
        return o.contains(QLatin1String(key))
                   ? NumberAt(o, path, key, ApproachLowest, ApproachHighest)
                   : 0.0;
    };
    if (shift) {
        stage.approach.Shift = approach("approach_k");
    } else {
        stage.approach.Reforming = approach("approach_reforming_k");
        stage.approach.Shift = approach("approach_shift_k");
    }
    if (secondary) {
        const QString oxidantPath = Join(path, QStringLiteral("oxidant"));
        if (!o.contains(QLatin1String("oxidant"))) {
            Refuse(oxidantPath, QStringLiteral("значение обязательно для ступени secondary"));
        }
        ReadOxidant(o.value(QLatin1String("oxidant")), oxidantPath, stage);
        if (stage.oxidant.amountKind == OxidantAmountKind::OutletTemperature &&
            stage.thermal == ThermalKind::OutletTemperature) {
            Refuse(Join(path, QStringLiteral("outlet_temperature_c")),
                   QStringLiteral("температура на выходе уже задана целью окислителя"));
        }
    }
}

TrainCaseFile ReadCase(const QJsonObject& root) {
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        if (key != "name" && key != "capacity" && key != "feed" && key != "steam" &&
            key != "stages") {
            Refuse(key, QStringLiteral("неизвестный ключ"));
        }
    }
    TrainCaseFile file{};
    const QJsonValue name = root.value(QLatin1String("name"));
    if (!name.isUndefined()) {
        if (!name.isString()) {
            Refuse(QStringLiteral("name"), QStringLiteral("ожидается строка"));
        }
        file.name = name.toString();
    }
    for (const char* key : {"capacity", "feed", "steam", "stages"}) {
        if (!root.contains(QLatin1String(key))) {
            Refuse(QLatin1String(key), QStringLiteral("значение обязательно"));
        }
    }
    TrainCase& train = file.train;
    ReadCapacity(root.value(QLatin1String("capacity")), train);
    ReadFeed(root.value(QLatin1String("feed")), train);
    ReadSteam(root.value(QLatin1String("steam")), train);
    const QJsonValue stages = root.value(QLatin1String("stages"));
    if (!stages.isArray()) {
        Refuse(QStringLiteral("stages"), QStringLiteral("ожидается массив ступеней [ ... ]"));
    }
    const QJsonArray array = stages.toArray();
    if (array.isEmpty() || array.size() > TrainStageCapacity) {
        Refuse(QStringLiteral("stages"),
               QStringLiteral("ступеней должно быть от 1 до %1").arg(TrainStageCapacity));
    }
    train.stageCount = static_cast<int>(array.size());
    for (int i = 0; i < train.stageCount; ++i) {
        ReadStage(array[i], QStringLiteral("stages[%1]").arg(i), train, train.stages[i]);
    }
    return file;
}

QJsonObject WriteStage(const TrainStage& stage) {
    QJsonObject o;
    o["kind"] = QLatin1String(StageKindWords[static_cast<int>(stage.kind)]);
    if (stage.inletGiven) {
        o["inlet_temperature_c"] = stage.inletTemperatureC;
    }
    o["pressure_bar"] = stage.pressureBar;
    switch (stage.thermal) {
    case ThermalKind::OutletTemperature:
        o["outlet_temperature_c"] = stage.outletTemperatureC;
        break;
    case ThermalKind::Adiabatic:
        o["adiabatic"] = true;
        break;
    case ThermalKind::Duty:
        o["duty_kw"] = stage.dutyKw;
        break;
    }
    if (stage.kind == StageKind::Shift) {
        o["approach_k"] = stage.approach.Shift;
    } else {
        o["approach_reforming_k"] = stage.approach.Reforming;
        o["approach_shift_k"] = stage.approach.Shift;
    }
    if (stage.kind == StageKind::Secondary) {
        const OxidantStream& ox = stage.oxidant;
        QJsonObject x;
        x["kind"] = QLatin1String(OxidantKindWords[static_cast<int>(ox.kind)]);
        if (ox.kind == OxidantKind::Composition) {
            QJsonObject c;
            for (int k = 0; k < OxidantCount; ++k) {
                c[QLatin1String(OxidantKeys[k])] = ox.percent[k];
            }
            x["composition"] = c;
        }
        x["temperature_c"] = ox.temperatureC;
        if (ox.amountKind == OxidantAmountKind::MolPerMolFeed) {
            x["mol_per_mol_feed"] = ox.value;
        } else {
            QJsonObject t;
            t[ox.amountKind == OxidantAmountKind::H2CoToN2 ? "h2_co_to_n2"
                                                           : "outlet_temperature_c"] = ox.value;
            x["target"] = t;
        }
        o["oxidant"] = x;
    }
    return o;
}

} // namespace

QString TrainCaseReading::message() const {
    return path.isEmpty() ? reason : path + QStringLiteral(": ") + reason;
}

TrainCaseReading ReadTrainCase(const QByteArray& json) {
    TrainCaseReading reading{};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        reading.reason =
            QStringLiteral("файл не читается как JSON: ошибка в символе %1").arg(error.offset + 1);
        return reading;
    }
    if (!document.isObject()) {
        reading.reason = QStringLiteral("ожидается объект { ... } с описанием схемы");
        return reading;
    }
    try {
        reading.file = ReadCase(document.object());
        reading.ok = true;
    } catch (const Refusal& refusal) {
        reading.file = {};
        reading.path = refusal.path;
        reading.reason = refusal.reason;
    }
    return reading;
}

QByteArray WriteTrainCase(const TrainCaseFile& file) {
    const TrainCase& train = file.train;
    QJsonObject root;
    root["name"] = file.name;
    const char* capacityKeys[] = {"feed_kmol_h", "feed_nm3_h", "hydrogen_nm3_h"};
    QJsonObject capacity;
    capacity[capacityKeys[static_cast<int>(train.capacityKind)]] = train.capacity;
    root["capacity"] = capacity;
    QJsonArray composition;
    for (int i = 0; i < FeedComponentCount; ++i) {
        composition.append(train.feed[i]);
    }
    root["feed"] =
        QJsonObject{{"composition", composition}, {"temperature_c", train.feedTemperatureC}};
    QJsonObject steam;
    steam[train.steamKind == SteamAmountKind::SteamToCarbon ? "steam_to_carbon" : "ratio"] =
        train.steamValue;
    steam["temperature_c"] = train.steamTemperatureC;
    root["steam"] = steam;
    QJsonArray stages;
    for (int i = 0; i < train.stageCount; ++i) {
        stages.append(WriteStage(train.stages[i]));
    }
    root["stages"] = stages;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace quorvel
