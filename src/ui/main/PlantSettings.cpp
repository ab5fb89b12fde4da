#include "ui/main/PlantSettings.h"

#include <QString>
#include <QVariant>

#include <optional>

#include "ui/main/ProgramSettings.h"

namespace quorvel {

namespace {

const QString FeedInletKey = QStringLiteral("Options/FeedInletTemperature");
const QString SteamInletKey = QStringLiteral("Options/SteamInletTemperature");
const QString ApproachReformingKey = QStringLiteral("Options/ApproachReforming");
const QString ApproachShiftKey = QStringLiteral("Options/ApproachShift");

// A value kept under key within [lowest, highest]; none where it is missing or is not.
std::optional<double> Stored(const QString& key, double lowest, double highest) {
    const QVariant value = ProgramSettings().value(key);
    bool read = false;
    const double number = value.toDouble(&read);
    if (!value.isValid() || !read || !(number >= lowest && number <= highest)) {
        return std::nullopt;
    }
    return number;
}

void Store(const QString& key, bool given, double value) {
    QSettings settings = ProgramSettings();
    if (given) {
        settings.setValue(key, value);
    } else {
        settings.remove(key);
    }
}

} // namespace

InletTemperatures LoadInletTemperatures() {
    InletTemperatures inlet{};
    if (const auto feed = Stored(FeedInletKey, InletCelsiusLowest, InletCelsiusHighest)) {
        inlet.feedGiven = true;
        inlet.feedCelsius = *feed;
    }
    if (const auto steam = Stored(SteamInletKey, InletCelsiusLowest, InletCelsiusHighest)) {
        inlet.steamGiven = true;
        inlet.steamCelsius = *steam;
    }
    return inlet;
}

void SaveInletTemperatures(const InletTemperatures& inlet) {
    Store(FeedInletKey, inlet.feedGiven, inlet.feedCelsius);
    Store(SteamInletKey, inlet.steamGiven, inlet.steamCelsius);
}

ApproachToEquilibrium LoadApproach() {
    return {Stored(ApproachReformingKey, ApproachLowest, ApproachHighest).value_or(0),
            Stored(ApproachShiftKey, ApproachLowest, ApproachHighest).value_or(0)};
}

void SaveApproach(const ApproachToEquilibrium& approach) {
    Store(ApproachReformingKey, approach.Reforming != 0, approach.Reforming);
    Store(ApproachShiftKey, approach.Shift != 0, approach.Shift);
}

} // namespace quorvel
