#include "ui/dialogs/GoalSeekDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "engine/InputLimits.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "ui/main/EntryConversion.h"

namespace quorvel {

namespace {

// The figures in PointFigureKind order, as the dialog names them.
const char* const FigureNames[PointFigureKindCount] = {
    "H2/CO", "CO2/CO", "метан в сухом газе, % об.", "конверсия метана", "активность углерода"};

// A parameter with the units its entry takes.
QString ParameterName(EntryUnits units, SweptParameter parameter) {
    switch (parameter) {
    case SweptParameter::Ratio:
        return units.steamToCarbon ? QStringLiteral("отношение пар/углерод (S/C)")
                                   : QStringLiteral("соотношение пар/метан");
    case SweptParameter::Temperature:
        return QStringLiteral("температура, °C");
    case SweptParameter::Pressure:
        break;
    }
    return QStringLiteral("давление, ") + QString::fromUtf8(CaptionsOf(units.pressure).name);
}

} // namespace

GoalSeekDialog::GoalSeekDialog(const QLocale& locale, QWidget* parent)
    : QDialog(parent), locale_(locale) {
    setObjectName(QStringLiteral("GoalSeekDialog"));
    setWindowTitle(QStringLiteral("Подбор параметра"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    figure_ = new QComboBox(this);
    figure_->setObjectName(QStringLiteral("GoalSeekFigure"));
    for (const char* name : FigureNames)
        figure_->addItem(QString::fromUtf8(name));
    target_ = new QLineEdit(this);
    target_->setObjectName(QStringLiteral("GoalSeekTarget"));
    solveFor_ = new QComboBox(this);
    solveFor_->setObjectName(QStringLiteral("GoalSeekSolveFor"));
    for (const SweptParameter parameter : AllSweptParameters)
        solveFor_->addItem(ParameterName(EntryUnits{}, parameter));
    form->addRow(QStringLiteral("Показатель:"), figure_);
    form->addRow(QStringLiteral("Требуемое значение:"), target_);
    form->addRow(QStringLiteral("Подбирается:"), solveFor_);
    layout->addLayout(form);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setMinimumWidth(360);
    layout->addWidget(message_);

    auto* buttons = new QHBoxLayout;
    calculate_ = new QPushButton(QStringLiteral("&Calculate"), this);
    calculate_->setObjectName(QStringLiteral("GoalSeekCalculate"));
    calculate_->setDefault(true);
    apply_ = new QPushButton(QStringLiteral("&Apply"), this);
    apply_->setObjectName(QStringLiteral("GoalSeekApply"));
    apply_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    buttons->addStretch(1);
    buttons->addWidget(calculate_);
    buttons->addWidget(apply_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(calculate_, &QPushButton::clicked, this, &GoalSeekDialog::CalculateRequested);
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (answer_)
            emit ApplyRequested(answerParameter_, answerShown_);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A changed choice makes the answer shown stale: it may no longer be applied.
    const auto stale = [this] {
        answer_.reset();
        apply_->setEnabled(false);
    };
    connect(figure_, &QComboBox::currentIndexChanged, this, stale);
    connect(solveFor_, &QComboBox::currentIndexChanged, this, stale);
    connect(target_, &QLineEdit::textEdited, this, stale);
}

PointFigureKind GoalSeekDialog::Figure() const {
    return static_cast<PointFigureKind>(std::max(0, figure_->currentIndex()));
}

SweptParameter GoalSeekDialog::SolveFor() const {
    return SweptParameterAt(solveFor_->currentIndex()).value_or(SweptParameter::Ratio);
}

void GoalSeekDialog::SetChoice(PointFigureKind figure, SweptParameter solveFor) {
    figure_->setCurrentIndex(static_cast<int>(figure));
    solveFor_->setCurrentIndex(IndexOf(solveFor));
}

QString GoalSeekDialog::Message() const {
    return message_->text();
}

void GoalSeekDialog::ShowMessage(const QString& message) {
    message_->setText(message);
}

QString GoalSeekDialog::Number(double value) const {
    return FormatGeneral(value, DecimalSeparatorOf(locale_));
}

void GoalSeekDialog::ShowUnits(const Engine& engine) {
    for (const SweptParameter parameter : AllSweptParameters)
        solveFor_->setItemText(IndexOf(parameter), ParameterName(engine.units, parameter));
}

bool GoalSeekDialog::Calculate(const Engine& engine) {
    ShowUnits(engine);
    answer_.reset();
    apply_->setEnabled(false);
    const std::optional<double> target = ParseEntryNumber(target_->text(), locale_);
    if (!target) {
        ShowMessage(QStringLiteral("Требуемое значение не прочитано: введите число."));
        return false;
    }
    const SweptParameter solveFor = SolveFor();
    const PointFigureKind figure = Figure();
    // The limits of this parameter's entry, so that an answer can always be applied to it;
    // the search runs in the model's units, the dialog speaks in the entered ones.
    auto copy = std::make_unique<Engine>(engine);
    const TargetResult result =
        SearchTarget(*copy, figure, *target, solveFor, EntryLimitsOf(solveFor, engine.constants));
    const EntryLimits shownLimits = ShownLimits(engine, solveFor);
    const QString figureName = QString::fromUtf8(FigureNames[static_cast<int>(figure)]);
    const QString parameterName = ParameterName(engine.units, solveFor);
    const QString within =
        QStringLiteral("%1 от %2 до %3")
            .arg(parameterName, Number(shownLimits.lower), Number(shownLimits.upper));
    if (result.outcome == TargetOutcome::Undefined) {
        ShowMessage(QStringLiteral("%1 не определено ни при каком значении (%2): нет физически "
                                   "возможного состава.")
                        .arg(figureName, within));
        return false;
    }
    if (result.outcome == TargetOutcome::OutOfReach) {
        ShowMessage(QStringLiteral("Ни при каком значении (%1) %2 не достигает %3: в этих "
                                   "пределах оно от %4 до %5.")
                        .arg(within, figureName, Number(*target), Number(result.lowest),
                             Number(result.highest)));
        return false;
    }
    answer_ = result;
    answerParameter_ = solveFor;
    answerShown_ = ShownFromModel(engine, solveFor, result.value);
    apply_->setEnabled(true);
    ShowMessage(QStringLiteral("Ответ: %1 = %2\nДостигнуто: %3 = %4")
                    .arg(parameterName, Number(answerShown_), figureName, Number(result.achieved)));
    return true;
}

} // namespace quorvel
