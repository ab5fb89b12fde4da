#include "ui/dialogs/ApproachReadBackWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

#include "report/ApproachReadBackReport.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/main/EntryConversion.h"

namespace quorvel {

namespace {

constexpr double AnalysisTotalTolerance = 0.5; // per cent by volume either side of 100
constexpr int NitrogenField = 4;
const std::array<const char*, 5> SpeciesNames = {"CH4", "CO", "CO2", "H2", "N2"};

} // namespace

ApproachReadBackWindow::ApproachReadBackWindow(const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window), locale_(locale) {
    setObjectName(QStringLiteral("ApproachReadBackWindow"));
    setWindowTitle(QStringLiteral("Приближение к равновесию по анализу газа"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Сухой газ на выходе, % об. (N2 пустой: 100 минус остальные)"), this));
    auto* form = new QFormLayout;
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QStringLiteral("Field%1").arg(SpeciesNames[i]));
        form->addRow(QString::fromLatin1(SpeciesNames[i]) + u':', fields_[i]);
    }
    auto* top = new QHBoxLayout;
    top->addLayout(form);
    auto* calculate = new QPushButton(QStringLiteral("&Calculate"), this);
    calculate->setObjectName(QStringLiteral("CalculateButton"));
    calculate->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, &ApproachReadBackWindow::CalculateRequested);
    top->addWidget(calculate, 0, Qt::AlignTop);
    // Enter in any field calculates, as the button does.
    for (QLineEdit* field : fields_) {
        connect(field, &QLineEdit::returnPressed, this,
                &ApproachReadBackWindow::CalculateRequested);
    }
    layout->addLayout(top);
    message_ = AddRefusalMessage(this, layout);
    result_ = new QPlainTextEdit(this);
    result_->setObjectName(QStringLiteral("Result"));
    result_->setReadOnly(true);
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    result_->setFont(font);
    layout->addWidget(result_, 1);
    resize(720, 460); // the longest result line whole
}

QString ApproachReadBackWindow::Number(double value, int decimals) const {
    return locale_.toString(value, 'f', decimals).remove(locale_.groupSeparator());
}

QString ApproachReadBackWindow::Message() const {
    return message_->isHidden() ? QString() : message_->text();
}

void ApproachReadBackWindow::ShowMessage(const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

std::optional<MeasuredDryGas> ApproachReadBackWindow::ReadAnalysis(QString* message) const {
    std::array<double, 5> values{};
    double others = 0;
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QString text = fields_[i]->text().trimmed();
        const QString name = QString::fromLatin1(SpeciesNames[i]);
        if (text.isEmpty() && i == NitrogenField) {
            values[i] = others > 100 ? 0 : 100 - others;
            continue;
        }
        if (text.isEmpty()) {
            *message = QStringLiteral("Не задано содержание %1.").arg(name);
            return std::nullopt;
        }
        const std::optional<double> number = ParseEntryNumber(text, locale_);
        if (!number) {
            *message = QStringLiteral("Содержание %1 «%2» не число.").arg(name, text);
            return std::nullopt;
        }
        const bool inert = i == NitrogenField;
        if (!((inert ? *number >= 0 : *number > 0) && *number <= 100)) {
            *message =
                QStringLiteral("Содержание %1 = %2 вне пределов: нужно %3 и не больше "
                               "100 % об.")
                    .arg(name, text, inert ? QStringLiteral("от 0") : QStringLiteral("больше 0"));
            return std::nullopt;
        }
        values[i] = *number;
        others += inert ? 0 : *number;
    }
    const double total = values[0] + values[1] + values[2] + values[3] + values[4];
    if (!(std::fabs(total - 100) <= AnalysisTotalTolerance)) {
        *message = QStringLiteral("Анализ газа в сумме дает %1 % об., а должен 100 ± %2: "
                                  "проверьте анализ.")
                       .arg(Number(total, 2), Number(AnalysisTotalTolerance, 1));
        return std::nullopt;
    }
    return MeasuredDryGas{values[0], values[1], values[2], values[3], values[4]};
}

bool ApproachReadBackWindow::Recalculate(const Engine& engine) {
    QString message;
    const std::optional<MeasuredDryGas> gas = ReadAnalysis(&message);
    if (!gas) {
        lines_.clear();
        result_->clear();
        ShowMessage(message);
        return false;
    }
    // The read-back overwrites the working constants of its engine: it runs on a copy, so
    // the main window's state stays as its last cycle left it.
    auto copy = std::make_unique<Engine>(engine);
    const ApproachReadBack result = ReadBackApproach(*copy, *gas);
    if (!result.waterPositive) {
        lines_.clear();
        result_->clear();
        ShowMessage(QStringLiteral("Анализ газа противоречит исходному газу и пару: по балансам "
                                   "углерода и кислорода воды в газе на выходе %1 моль на моль "
                                   "исходного газа, а должно быть больше 0.")
                        .arg(Number(result.water, 4)));
        return false;
    }
    lines_ = ApproachReadBackTableLines(*copy, *gas, result, DecimalSeparatorOf(locale_));
    result_->setPlainText(lines_.join(u'\n'));
    ShowMessage({});
    return true;
}

} // namespace quorvel
