#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

#include <array>

#include "engine/Engine.h"
#include "engine/InputLimits.h"
#include "ui/main/SweepRangeSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorvel {

// The modal dialog "Диапазон расчета" of Options, "Sweep range...": start, end and step of
// the swept parameter in the units it is entered in, with the limits that hold for the
// engine's constants. "Свой диапазон" off (or "По умолчанию") sweeps the design's grid.
// OK closes the dialog only when the range can be swept: a start or end beyond the limits
// is clamped (the field shows the value taken and a line says so, a second OK takes it);
// an unreadable number, a step that is not positive, an end below the start or more
// points than a sweep holds is refused with a line that names the field, and nothing
// changes.
class SweepRangeDialog : public QDialog {
    Q_OBJECT

public:
    explicit SweepRangeDialog(const QLocale& locale, QWidget* parent = nullptr);

    // Fills the dialog for `swept` under the engine's units and constants with the range
    // remembered for it; one kept in other units is not offered, and a line says why.
    void Present(const Engine& engine, SweptParameter swept, const RememberedRange& remembered);

    // OK: reads the fields and accepts the dialog when the range can be swept.
    void ButtonOkClick();
    // "По умолчанию": the design's grid in the fields, "Свой диапазон" off.
    void UseDesignGrid();

    // The choice accepted by the last OK, with the units it was entered in.
    const RememberedRange& Accepted() const { return accepted_; }
    SweptParameter Swept() const { return swept_; }

    QCheckBox* OwnRange() const { return ownRange_; }
    QLineEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }
    // The refusal or clamp of the last OK; empty when none.
    QString Message() const;
    // The note on the remembered range's units; empty when none.
    QString UnitsNote() const;

private:
    QChar Separator() const;
    QString Number(double value) const;
    void ShowMessage(const QString& message);
    void FillFields(double from, double to, double step);
    void EnableFields();

    QLocale locale_;
    SweptParameter swept_ = SweptParameter::Ratio;
    EntryLimits limits_{};
    QString unitsTag_;
    SweepRange designGrid_{};
    RememberedRange kept_;
    RememberedRange accepted_;
    QLabel* parameter_ = nullptr;
    QLabel* limitsLabel_ = nullptr;
    QCheckBox* ownRange_ = nullptr;
    std::array<QLineEdit*, 3> fields_{};
    QLabel* unitsNote_ = nullptr;
    QLabel* message_ = nullptr;
};

} // namespace quorvel
