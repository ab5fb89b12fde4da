#include "ui/train/TrainStageForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "engine/InletEnthalpy.h"

namespace quorvel {

namespace {

QDoubleSpinBox* NumberBox(QWidget* parent, double lowest, double highest, int decimals,
                          const QString& suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(lowest, highest);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false); // recompute on Enter or on leaving the field
    return box;
}

} // namespace

TrainStageForm::TrainStageForm(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    kind_ = new QComboBox(this);
    kind_->addItems({QStringLiteral("предриформинг"), QStringLiteral("первичный риформинг"),
                     QStringLiteral("вторичный риформинг"), QStringLiteral("конверсия CO")});
    form->addRow(QStringLiteral("Ступень:"), kind_);
    inletGiven_ = new QCheckBox(QStringLiteral("Температура на входе:"), this);
    inlet_ = NumberBox(this, TrainCelsiusLowest, TrainCelsiusHighest, 1, QStringLiteral(" °C"));
    form->addRow(inletGiven_, inlet_);
    pressure_ =
        NumberBox(this, TrainPressureLowestBar, TrainPressureHighestBar, 2, QStringLiteral(" бар"));
    form->addRow(QStringLiteral("Давление:"), pressure_);
    thermal_ = new QComboBox(this);
    thermal_->addItems({QStringLiteral("температура на выходе, °C"),
                        QStringLiteral("адиабатическая"), QStringLiteral("мощность, кВт")});
    thermalValue_ = NumberBox(this, -1e9, 1e9, 1, QString());
    form->addRow(thermal_, thermalValue_);
    approachReforming_ = NumberBox(this, ApproachLowest, ApproachHighest, 1, QStringLiteral(" К"));
    form->addRow(QStringLiteral("Приближение, конверсия метана:"), approachReforming_);
    approachShift_ = NumberBox(this, ApproachLowest, ApproachHighest, 1, QStringLiteral(" К"));
    form->addRow(QStringLiteral("Приближение, конверсия CO:"), approachShift_);

    oxidantGroup_ = new QGroupBox(QStringLiteral("Окислитель"), this);
    auto* oxidantForm = new QFormLayout(oxidantGroup_);
    oxidantKind_ = new QComboBox(oxidantGroup_);
    oxidantKind_->addItems(
        {QStringLiteral("воздух"), QStringLiteral("кислород"), QStringLiteral("свой состав")});
    oxidantForm->addRow(QStringLiteral("Вид:"), oxidantKind_);
    oxidantComposition_ = new QWidget(oxidantGroup_);
    auto* compositionForm = new QFormLayout(oxidantComposition_);
    compositionForm->setContentsMargins(0, 0, 0, 0);
    const char* const componentNames[OxidantCount] = {"O2", "N2", "Ar", "CO2", "H2O"};
    for (int c = 0; c < OxidantCount; ++c) {
        oxidantPercent_[static_cast<std::size_t>(c)] =
            NumberBox(oxidantComposition_, 0, 100, 3, QStringLiteral(" %"));
        compositionForm->addRow(QString::fromLatin1(componentNames[c]) + QLatin1Char(':'),
                                oxidantPercent_[static_cast<std::size_t>(c)]);
    }
    oxidantForm->addRow(oxidantComposition_);
    oxidantTemperature_ =
        NumberBox(oxidantGroup_, TrainCelsiusLowest, InletCelsiusHighest, 1, QStringLiteral(" °C"));
    oxidantForm->addRow(QStringLiteral("Температура:"), oxidantTemperature_);
    oxidantAmount_ = new QComboBox(oxidantGroup_);
    oxidantAmount_->addItems({QStringLiteral("моль на моль исходного газа"),
                              QStringLiteral("цель (H2+CO)/N2"),
                              QStringLiteral("цель: температура на выходе, °C")});
    oxidantValue_ = NumberBox(oxidantGroup_, 0, 1e6, 4, QString());
    oxidantForm->addRow(oxidantAmount_, oxidantValue_);
    layout->addWidget(oxidantGroup_);
    layout->addStretch(1);

    const auto edited = [this] {
        ShowWhatTheKindUses();
        if (!filling_) {
            emit StageEdited();
        }
    };
    for (QComboBox* box : {kind_, thermal_, oxidantKind_, oxidantAmount_}) {
        connect(box, &QComboBox::currentIndexChanged, this, edited);
    }
    for (QDoubleSpinBox* box : {inlet_, pressure_, thermalValue_, approachReforming_,
                                approachShift_, oxidantTemperature_, oxidantValue_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, edited);
    }
    for (QDoubleSpinBox* box : oxidantPercent_) {
        connect(box, &QDoubleSpinBox::valueChanged, this, edited);
    }

    connect(inletGiven_, &QCheckBox::toggled, this, edited);
    ShowWhatTheKindUses();
}

void TrainStageForm::ShowWhatTheKindUses() {
    const auto kind = static_cast<StageKind>(kind_->currentIndex());
    oxidantGroup_->setVisible(kind == StageKind::Secondary);
    oxidantComposition_->setVisible(static_cast<OxidantKind>(oxidantKind_->currentIndex()) ==
                                    OxidantKind::Composition);
    approachReforming_->setEnabled(kind != StageKind::Shift);
    inlet_->setEnabled(inletGiven_->isChecked());
    const auto thermal = static_cast<ThermalKind>(thermal_->currentIndex());
    thermalValue_->setEnabled(thermal != ThermalKind::Adiabatic);
    if (thermal == ThermalKind::Duty) {
        thermalValue_->setRange(-1e9, 1e9);
    } else {
        thermalValue_->setRange(AdiabaticCelsiusLowest, AdiabaticCelsiusHighest);
    }
    switch (static_cast<OxidantAmountKind>(oxidantAmount_->currentIndex())) {
    case OxidantAmountKind::MolPerMolFeed:
        oxidantValue_->setRange(0, 20);
        break;
    case OxidantAmountKind::H2CoToN2:
        oxidantValue_->setRange(0.01, 1e6);
        break;
    case OxidantAmountKind::OutletTemperature:
        oxidantValue_->setRange(AdiabaticCelsiusLowest, AdiabaticCelsiusHighest);
        break;
    }
}

void TrainStageForm::SetStage(const TrainStage& stage) {
    filling_ = true;
    kind_->setCurrentIndex(static_cast<int>(stage.kind));
    inletGiven_->setChecked(stage.inletGiven);
    inlet_->setValue(stage.inletTemperatureC);
    pressure_->setValue(stage.pressureBar);
    thermal_->setCurrentIndex(static_cast<int>(stage.thermal));
    thermalValue_->setValue(stage.thermal == ThermalKind::Duty ? stage.dutyKw
                                                               : stage.outletTemperatureC);
    approachReforming_->setValue(stage.approach.Reforming);
    approachShift_->setValue(stage.approach.Shift);
    // An oxidant of its own composition shows it; the others offer air to start from.
    const double* percent =
        stage.oxidant.kind == OxidantKind::Composition ? stage.oxidant.percent : AirPercent;
    for (int c = 0; c < OxidantCount; ++c)
        oxidantPercent_[static_cast<std::size_t>(c)]->setValue(percent[c]);
    oxidantKind_->setCurrentIndex(static_cast<int>(stage.oxidant.kind));
    oxidantTemperature_->setValue(stage.oxidant.temperatureC);
    oxidantAmount_->setCurrentIndex(static_cast<int>(stage.oxidant.amountKind));
    oxidantValue_->setValue(stage.oxidant.value);
    filling_ = false;
    ShowWhatTheKindUses();
}

TrainStage TrainStageForm::Stage() const {
    TrainStage stage{};
    stage.kind = static_cast<StageKind>(kind_->currentIndex());
    stage.inletGiven = inletGiven_->isChecked();
    stage.inletTemperatureC = inlet_->value();
    stage.pressureBar = pressure_->value();
    stage.thermal = static_cast<ThermalKind>(thermal_->currentIndex());
    if (stage.thermal == ThermalKind::Duty) {
        stage.dutyKw = thermalValue_->value();
    } else if (stage.thermal == ThermalKind::OutletTemperature) {
        stage.outletTemperatureC = thermalValue_->value();
    }
    stage.approach.Reforming = stage.kind == StageKind::Shift ? 0 : approachReforming_->value();
    stage.approach.Shift = approachShift_->value();
    if (stage.kind == StageKind::Secondary) {
        OxidantStream& ox = stage.oxidant;
        ox.kind = static_cast<OxidantKind>(oxidantKind_->currentIndex());
        if (ox.kind == OxidantKind::Composition) {
            // The fields as shares of their sum, so that the stream always adds up to
            // 100 %; with every field zero the stream is air.
            double total = 0;
            for (const QDoubleSpinBox* box : oxidantPercent_)
                total += box->value();
            for (int c = 0; c < OxidantCount; ++c)
                ox.percent[c] =
                    total > 0 ? oxidantPercent_[static_cast<std::size_t>(c)]->value() * 100 / total
                              : AirPercent[c];
        } else {
            const double* percent = ox.kind == OxidantKind::Air ? AirPercent : OxygenPercent;
            for (int c = 0; c < OxidantCount; ++c)
                ox.percent[c] = percent[c];
        }
        ox.temperatureC = oxidantTemperature_->value();
        ox.amountKind = static_cast<OxidantAmountKind>(oxidantAmount_->currentIndex());
        ox.value = oxidantValue_->value();
    }
    return stage;
}

} // namespace quorvel
