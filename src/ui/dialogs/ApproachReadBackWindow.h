#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

#include "engine/ApproachReadBack.h"
#include "engine/Engine.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace quorvel {

// The non-modal window "Приближение к равновесию по анализу газа": the measured dry
// outlet gas in five fields (CH4, CO, CO2, H2, N2; N2 left empty is 100 less the
// others) and, on "Calculate", the approach of each reaction read back at the main
// window's feed, steam ratio, temperature (the measured outlet temperature), pressure
// and constants. An analysis that does not read, lacks a species, does not add up to
// 100 within 0.5 % or needs negative water gets a message and no result.
class ApproachReadBackWindow : public QWidget {
    Q_OBJECT

public:
    // The locale gives the fields' and the result's decimal separator.
    explicit ApproachReadBackWindow(const QLocale& locale, QWidget* parent = nullptr);

    // Reads the fields and computes the read-back for the engine's conditions (which it
    // leaves untouched); false with the message shown when the analysis is refused.
    bool Recalculate(const Engine& engine);
    // Whether an analysis has been computed, so that a new cycle may repeat it.
    bool HasResult() const { return !lines_.isEmpty(); }

    QLineEdit* Field(int index) const { return fields_[static_cast<size_t>(index)]; }
    QString Message() const;
    const QStringList& ResultLines() const { return lines_; }

signals:
    // "Calculate" was pressed: the window wants the main window's current conditions.
    void CalculateRequested();

private:
    // The analysis as read, or the message that refuses it.
    std::optional<MeasuredDryGas> ReadAnalysis(QString* message) const;
    void ShowMessage(const QString& message);
    QString Number(double value, int decimals) const;

    QLocale locale_;
    std::array<QLineEdit*, 5> fields_{};
    QLabel* message_ = nullptr;
    QPlainTextEdit* result_ = nullptr;
    QStringList lines_;
};

} // namespace quorvel
