#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace quorvel {

// A modal dialog of two numbers, each with its caption, its unit and its accepted range,
// read with the decimal separator of the given locale. A field that may stay empty
// stands for "not given" (its hint says what the program then takes). OK closes the
// dialog only when both fields read well; otherwise a line under the fields names the
// field and what is wrong, and the fields keep what was typed.
class ValuePairDialog : public QDialog {
    Q_OBJECT

public:
    struct Field {
        QString caption;
        QString unit;
        double lowest;
        double highest;
        bool mayBeEmpty; // empty: not given
    };
    using Values = std::array<std::optional<double>, 2>;

    ValuePairDialog(const QString& title, const std::array<Field, 2>& fields, const QString& hint,
                    const QLocale& locale, QWidget* parent);

    // Shows values in the fields (an empty field for a value not given).
    void SetValues(const Values& values);
    // The values read when OK was accepted.
    const Values& Accepted() const { return accepted_; }

    QLineEdit* Edit(int index) const { return edits_[static_cast<size_t>(index)]; }
    // The message of the last refused OK; empty when none.
    QString Message() const;
    // OK: reads both fields and closes the dialog when they read well.
    void ButtonOkClick();

private:
    QString Text(double value) const;

    std::array<Field, 2> fields_;
    QLocale locale_;
    std::array<QLineEdit*, 2> edits_{};
    QLabel* message_ = nullptr;
    Values accepted_;
};

} // namespace quorvel
