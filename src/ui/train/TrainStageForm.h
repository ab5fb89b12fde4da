#pragma once

#include <QWidget>

#include <array>

#include "engine/TrainCase.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;

namespace quorvel {

// The parameters of one stage of the train as a form: kind, inlet temperature, pressure,
// thermal duty (outlet temperature, adiabatic or heat input), approaches and, for a
// secondary stage, its oxidant. Emits StageEdited on every change the user makes;
// SetStage fills it without emitting.
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
    QComboBox* OxidantKindBox() const { return oxidantKind_; }
    // The per cent by volume of an oxidant of its own composition, in OxidantComponent order.
    QDoubleSpinBox* OxidantPercentBox(int component) const {
        return oxidantPercent_[static_cast<std::size_t>(component)];
    }

signals:
    void StageEdited();

private:
    void ShowWhatTheKindUses();

    bool filling_ = false;
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
    QWidget* oxidantComposition_ = nullptr; // shown for an oxidant of its own composition
    std::array<QDoubleSpinBox*, OxidantCount> oxidantPercent_{};
};

} // namespace quorvel
