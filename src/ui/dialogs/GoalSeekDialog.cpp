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
#include "ui/main/EntryConversion.h"

namespace quorvel {

namespace {

// The figures in PointFigureKind order, as the dialog names them.
const char* const FigureNames[PointFigureKindCount] = {
    "H2/CO", "CO2/CO", "метан в сухом газе, % об.", "конверсия метана", "активность углерода"};

// The parameters in SweptParameter order, with the units the entries take.
const char* const ParameterNames[3] = {"соотношение пар/метан", "температура, °C", "давление, атм"};

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
    for (const char* name : ParameterNames)
        solveFor_->addItem(QString::fromUtf8(name));
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
            emit ApplyRequested(answerParameter_, answer_->value);
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
    const QString point = locale_.decimalPoint();
    return FormatGeneral(value, point.isEmpty() ? QChar(u'.') : point.front());
}

bool GoalSeekDialog::Calculate(const Engine& engine) {
    answer_.reset();
    apply_->setEnabled(false);
    const std::optional<double> target = ParseEntryNumber(target_->text(), locale_);
    if (!target) {
        ShowMessage(QStringLiteral("Требуемое значение не прочитано: введите число."));
        return false;
    }
    const SweptParameter solveFor = SolveFor();
    const PointFigureKind figure = Figure();
    // The limits of this parameter's entry, so that an answer can always be applied to it.
    const EntryLimits limits = EntryLimitsOf(solveFor, engine.constants);
    auto copy = std::make_unique<Engine>(engine);
    const TargetResult result = SearchTarget(*copy, figure, *target, solveFor, limits);
    const QString figureName = QString::fromUtf8(FigureNames[static_cast<int>(figure)]);
    const QString parameterName = QString::fromUtf8(ParameterNames[IndexOf(solveFor)]);
    const QString within = QStringLiteral("%1 от %2 до %3")
                               .arg(parameterName, Number(limits.lower), Number(limits.upper));
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
    apply_->setEnabled(true);
    ShowMessage(QStringLiteral("Ответ: %1 = %2\nДостигнуто: %3 = %4")
                    .arg(parameterName, Number(result.value), figureName, Number(result.achieved)));
    return true;
}

} // namespace quorvel
