#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

#include <optional>

#include "engine/Engine.h"
#include "engine/PointFigure.h"
#include "engine/TargetSearch.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

// The non-modal dialog "Подбор параметра": a figure of the product gas (H2/CO, CO2/CO,
// dry methane, methane conversion, carbon activity), its target value and the parameter
// to solve for (steam ratio, temperature or pressure, within the entries' limits). On
// "Calculate" it searches the main window's conditions, which it leaves untouched, and
// shows the answer with the figure reached there, or why no value in the limits reaches
// the target. "Apply" offers the answer as the new entry value of that parameter.
class GoalSeekDialog : public QDialog {
    Q_OBJECT

public:
    // The locale gives the target field's and the answer's decimal separator.
    explicit GoalSeekDialog(const QLocale& locale, QWidget* parent = nullptr);

    // Reads the fields and searches on a copy of the engine; false with the message shown
    // when the target does not read or is out of reach. Throws FloatingPointError.
    bool Calculate(const Engine& engine);
    // Names the parameters in the engine's entered units (S/C, the pressure unit), in
    // which the limits and the answer are shown and applied.
    void ShowUnits(const Engine& engine);

    PointFigureKind Figure() const;
    SweptParameter SolveFor() const;
    void SetChoice(PointFigureKind figure, SweptParameter solveFor);

    QLineEdit* TargetField() const { return target_; }
    QPushButton* CalculateButton() const { return calculate_; }
    QPushButton* ApplyButton() const { return apply_; }
    QString Message() const;
    // The last answer found (ratio per mol feed gas, degrees C or atm), none after a refusal;
    // Apply offers it in the entered units.
    const std::optional<TargetResult>& Answer() const { return answer_; }

signals:
    // "Calculate" was pressed: the dialog wants the main window's current conditions.
    void CalculateRequested();
    // "Apply": the answer as the new entry value of `parameter`, in the entry's units.
    void ApplyRequested(quorvel::SweptParameter parameter, double value);

private:
    void ShowMessage(const QString& message);
    QString Number(double value) const;

    QLocale locale_;
    QComboBox* figure_ = nullptr;
    QLineEdit* target_ = nullptr;
    QComboBox* solveFor_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* apply_ = nullptr;
    QLabel* message_ = nullptr;
    std::optional<TargetResult> answer_;
    SweptParameter answerParameter_ = SweptParameter::Ratio;
    double answerShown_ = 0; // the answer in the entered units
};

} // namespace quorvel
