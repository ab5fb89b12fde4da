#pragma once

// The two worked examples of the help: the front end of an ammonia plant (pre-reformer,
// reformer, air-blown secondary to (H2 + CO)/N2 = 3, high- and low-temperature shift)
// and a hydrogen plant (pre-reformer, reformer, one shift). The window starts from the
// first; the tests and the benchmark solve both.

#include "engine/TrainCase.h"

namespace quorvel {

inline TrainStage ExampleStage(StageKind kind, double inletC, double pressureBar,
                               ThermalKind thermal, double outletC = 0) {
    TrainStage stage{};
    stage.kind = kind;
    stage.inletGiven = true;
    stage.inletTemperatureC = inletC;
    stage.pressureBar = pressureBar;
    stage.thermal = thermal;
    stage.outletTemperatureC = outletC;
    return stage;
}

inline TrainCase AmmoniaFrontEndExample() {
    TrainCase train{};
    train.capacityKind = CapacityKind::FeedKmolH;
    train.capacity = 1000;
    train.feed = {{91.5, 2.75, 2.5, 1.25, 0.5, 0, 1.5, 0, 0}};
    train.feedTemperatureC = 380;
    train.steamKind = SteamAmountKind::SteamToCarbon;
    train.steamValue = 3.5;
    train.steamTemperatureC = 380;
    train.stageCount = 5;
    train.stages[0] = ExampleStage(StageKind::Prereformer, 490, 33, ThermalKind::Adiabatic);
    train.stages[1] =
        ExampleStage(StageKind::Reformer, 620, 32, ThermalKind::OutletTemperature, 800);
    train.stages[1].approach.Reforming = 10;
    TrainStage secondary = ExampleStage(StageKind::Secondary, 0, 31, ThermalKind::Adiabatic);
    secondary.inletGiven = false;
    secondary.oxidant.kind = OxidantKind::Air;
    for (int c = 0; c < OxidantCount; ++c) {
        secondary.oxidant.percent[c] = AirPercent[c];
    }
    secondary.oxidant.temperatureC = 550;
    secondary.oxidant.amountKind = OxidantAmountKind::H2CoToN2;
    secondary.oxidant.value = 3.0;
    train.stages[2] = secondary;
    train.stages[3] = ExampleStage(StageKind::Shift, 340, 30, ThermalKind::Adiabatic);
    train.stages[4] = ExampleStage(StageKind::Shift, 200, 29, ThermalKind::Adiabatic);
    return train;
}

inline TrainCase HydrogenPlantExample() {
    TrainCase train{};
    train.capacityKind = CapacityKind::HydrogenNm3H;
    train.capacity = 100000;
    train.feed = {{95, 3, 0.5, 0, 0.5, 0, 1, 0, 0}};
    train.feedTemperatureC = 370;
    train.steamKind = SteamAmountKind::SteamToCarbon;
    train.steamValue = 3.0;
    train.steamTemperatureC = 400;
    train.stageCount = 3;
    train.stages[0] = ExampleStage(StageKind::Prereformer, 500, 28, ThermalKind::Adiabatic);
    train.stages[1] =
        ExampleStage(StageKind::Reformer, 650, 26, ThermalKind::OutletTemperature, 870);
    train.stages[2] = ExampleStage(StageKind::Shift, 350, 25, ThermalKind::Adiabatic);
    return train;
}

} // namespace quorvel
