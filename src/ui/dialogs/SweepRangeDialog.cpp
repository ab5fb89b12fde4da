#include "ui/dialogs/SweepRangeDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "engine/InputLimits.h"
#include "report/GridRefusal.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/main/EntryConversion.h"

namespace quorvel {

namespace {

// The fields in order, named as the messages name them.
const char* const FieldNames[3] = {"начало диапазона", "конец диапазона", "шаг диапазона"};
constexpr int FieldWidth = 90;

QString Capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

SweepRangeDialog::SweepRangeDialog(const QLocale& locale, QWidget* parent)
    : QDialog(parent), locale_(locale) {
    setObjectName(QStringLiteral("SweepRangeDialog"));
    setWindowTitle(QStringLiteral("Диапазон расчета"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    parameter_ = new QLabel(this);
    parameter_->setObjectName(QStringLiteral("SweepRangeParameter"));
    layout->addWidget(parameter_);
    ownRange_ = new QCheckBox(QStringLiteral("Свой диапазон"), this);
    ownRange_->setObjectName(QStringLiteral("SweepRangeOwn"));
    layout->addWidget(ownRange_);
    auto* form = new QFormLayout;
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QStringLiteral("SweepRangeField%1").arg(i));
        fields_[i]->setFixedWidth(FieldWidth);
        form->addRow(Capitalised(QString::fromUtf8(FieldNames[i])) + u':', fields_[i]);
    }
    layout->addLayout(form);
    limitsLabel_ = new QLabel(this);
    limitsLabel_->setObjectName(QStringLiteral("SweepRangeLimits"));
    layout->addWidget(limitsLabel_);
    unitsNote_ = new QLabel(this);
    unitsNote_->setObjectName(QStringLiteral("SweepRangeUnitsNote"));
    unitsNote_->setWordWrap(true);
    unitsNote_->hide();
    layout->addWidget(unitsNote_);
    message_ = AddRefusalMessage(this, layout);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    QPushButton* design =
        buttons->addButton(QStringLiteral("По умолчанию"), QDialogButtonBox::ResetRole);
    design->setObjectName(QStringLiteral("SweepRangeDefault"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SweepRangeDialog::ButtonOkClick);
    connect(design, &QPushButton::clicked, this, &SweepRangeDialog::UseDesignGrid);
    connect(ownRange_, &QCheckBox::toggled, this, &SweepRangeDialog::EnableFields);
    layout->addWidget(buttons);
    setMinimumWidth(400);
}

QChar SweepRangeDialog::Separator() const {
    return DecimalSeparatorOf(locale_);
}

QString SweepRangeDialog::Number(double value) const {
    return FormatGeneral(value, Separator());
}

void SweepRangeDialog::ShowMessage(const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    // The dialog grows with the lines of the message instead of squeezing the fields.
    adjustSize();
}

QString SweepRangeDialog::Message() const {
    return message_->isHidden() ? QString() : message_->text();
}

QString SweepRangeDialog::UnitsNote() const {
    return unitsNote_->isHidden() ? QString() : unitsNote_->text();
}

void SweepRangeDialog::FillFields(double from, double to, double step) {
    fields_[0]->setText(Number(from));
    fields_[1]->setText(Number(to));
    fields_[2]->setText(Number(step));
}

void SweepRangeDialog::EnableFields() {
    for (QLineEdit* field : fields_)
        field->setEnabled(ownRange_->isChecked());
}

void SweepRangeDialog::Present(const Engine& engine, SweptParameter swept,
                               const RememberedRange& remembered) {
    swept_ = swept;
    limits_ = ShownLimits(engine, swept);
    unitsTag_ = EnteredUnitsTag(engine, swept);
    designGrid_ = DesignGridShown(engine, swept);
    kept_ = remembered;
    parameter_->setText(QStringLiteral("Параметр расчета: ") + ShownLabel(engine, swept));
    limitsLabel_->setText(
        QStringLiteral("допустимо от %1 до %2").arg(Number(limits_.lower), Number(limits_.upper)));
    const bool sameUnits = !remembered.units.isEmpty() && remembered.units == unitsTag_;
    unitsNote_->setVisible(!remembered.units.isEmpty() && !sameUnits);
    unitsNote_->setText(QStringLiteral("Сохраненный диапазон задан в других единицах (%1): "
                                       "действует диапазон по умолчанию.")
                            .arg(remembered.units));
    if (sameUnits)
        FillFields(remembered.from, remembered.to, remembered.step);
    else
        FillFields(designGrid_.first,
                   designGrid_.first + (designGrid_.count - 1) * designGrid_.step,
                   designGrid_.step);
    ownRange_->setChecked(sameUnits && remembered.chosen);
    EnableFields();
    ShowMessage(QString());
}

void SweepRangeDialog::UseDesignGrid() {
    ownRange_->setChecked(false);
    FillFields(designGrid_.first, designGrid_.first + (designGrid_.count - 1) * designGrid_.step,
               designGrid_.step);
    ShowMessage(QString());
}

void SweepRangeDialog::ButtonOkClick() {
    if (!ownRange_->isChecked()) {
        // The design's grid; the range kept stays for a later "Свой диапазон".
        accepted_ = kept_;
        accepted_.chosen = false;
        ShowMessage(QString());
        accept();
        return;
    }
    double values[3];
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QString text = fields_[i]->text();
        const std::optional<double> number = ParseEntryNumber(text, locale_);
        if (!number) {
            ShowMessage(QStringLiteral("Поле «%1» не прочитано: «%2» не число.")
                            .arg(QString::fromUtf8(FieldNames[i]), text.trimmed()));
            fields_[i]->setFocus();
            fields_[i]->selectAll();
            return;
        }
        values[i] = *number;
    }
    // A start or end beyond the limits is taken at the limit, as the entries take it.
    QStringList clamps;
    for (size_t i = 0; i < 2; ++i) {
        const double clamped = ClampEntry(values[i], limits_);
        if (BeyondLimits(values[i], limits_)) {
            clamps << Capitalised(QStringLiteral("%1 %2 вне пределов %3..%4, принято %5")
                                      .arg(QString::fromUtf8(FieldNames[i]), Number(values[i]),
                                           Number(limits_.lower), Number(limits_.upper),
                                           Number(clamped)));
            fields_[i]->setText(Number(clamped));
        }
        values[i] = clamped;
    }
    SweepRange range{SweepRangePointCount(values[0], values[1], values[2]), values[0], values[2],
                     values[1], true};
    const QString refusal =
        GridRefusal(QStringLiteral("диапазона"), range, ResultCapacity, Separator());
    if (!refusal.isEmpty()) {
        clamps << Capitalised(refusal);
        ShowMessage(clamps.join(QStringLiteral(". ")) + u'.');
        return;
    }
    if (!clamps.isEmpty()) {
        // The values taken are shown; a second OK takes them.
        ShowMessage(clamps.join(QStringLiteral(". ")) +
                    QStringLiteral(". Нажмите OK, чтобы принять."));
        return;
    }
    accepted_ = {true, values[0], values[1], values[2], unitsTag_};
    ShowMessage(QString());
    accept();
}

} // namespace quorvel
