#pragma once

#include <QWidget>

#include "engine/TrainCase.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;

namespace quorvel {

// The parameters of one stage of the train as a form: kind, inlet temperature, pressure,
// thermal specification, approaches and, for a secondary stage, its oxidant. Emits
// StageEdited on every change the user makes; SetStage fills it without emitting.
class TrainStageForm : public QWidget {
    Q_OBJECT

public:
    explicit TrainStageForm(QWidget* parent = nullptr);

    void SetStage(const TrainStage& stage);
    TrainStage Stage() const;

    QComboBox* KindBox() const { return kind_; }
    QDoubleSpinBox* PressureBox() const { return pressure_; }
    QComboBox* ThermalBox() const { return thermal_; }
    QDoubleSpinBox* ThermalValueBox() const { return thermalValue_; }
    QComboBox* OxidantAmountBox() const { return oxidantAmount_; }
    QDoubleSpinBox* OxidantValueBox() const { return oxidantValue_; }

signals:
    void StageEdited();

private:
    void ShowWhatTheKindUses();

    bool filling_ = false;
    OxidantStream composition_{}; // an oxidant of its own composition, kept as read
    QComboBox* kind_ = nullptr;
    QCheckBox* inletGiven_ = nullptr;
    QDoubleSpinBox* inlet_ = nullptr;
    QDoubleSpinBox* pressure_ = nullptr;
    QComboBox* thermal_ = nullptr;
    QDoubleSpinBox* thermalValue_ = nullptr;
    QDoubleSpinBox* approachReforming_ = nullptr;
    QDoubleSpinBox* approachShift_ = nullptr;
    QGroupBox* oxidantGroup_ = nullptr;
    QComboBox* oxidantKind_ = nullptr;
    QDoubleSpinBox* oxidantTemperature_ = nullptr;
    QComboBox* oxidantAmount_ = nullptr;
    QDoubleSpinBox* oxidantValue_ = nullptr;
};

} // namespace quorvel
