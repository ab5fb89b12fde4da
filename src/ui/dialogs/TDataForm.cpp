#include "ui/dialogs/TDataForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include <charconv>
#include <string>

#include "engine/FeedTotal.h"
#include "engine/InputLimits.h"
#include "ui/dialogs/CenteredMessageBox.h"
#include "ui/dialogs/FeedFieldParser.h"

namespace quorvel {

namespace {

// Window and control geometry in client pixels, as the window was designed.
constexpr int ClientWidth = 242;
constexpr int ClientHeight = 294;
constexpr int InitialLeft = 251;
constexpr int InitialTop = 158;
constexpr int FirstLabelTop = 40;
constexpr int FirstEditTop = 37;
constexpr int RowStep = 24;

// Row label texts, in FeedComposition order.
const char* const RowTitles[TDataForm::RowCount] = {
    "Метан",   "Этан", "Пропан", "Бутан", "Азот (ин. газы)", "Оксид углерода", "Диоксид углерода",
    "Водород", "Вода",
};

// Two decimals, always a point, right-aligned in seven characters (wider when needed).
QString FormatField(double value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0.00");
    if (text.size() < 7)
        text.insert(0, 7 - text.size(), ' ');
    return QString::fromLatin1(text);
}

} // namespace

TDataForm::TDataForm(quorvel::Engine& engine, QWidget* parent)
    // An ordinary window rather than a dialog: a dialog is kept above the main window
    // by the desktop, and this one must let the main window come in front of it.
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      engine_(engine) {
    setWindowTitle(QStringLiteral("InitialData"));
    setModal(false);
    setSizeGripEnabled(false);
    setFixedSize(ClientWidth, ClientHeight);
    move(InitialLeft, InitialTop);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    // Created first so that it lies beneath the labels and fields.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setLineWidth(1);
    Bevel1->setGeometry(8, 8, 229, 249);

    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setGeometry(24, 264, 74, 26);

    for (int row = 0; row < RowCount; ++row) {
        auto* label = new QLabel(QString::fromUtf8(RowTitles[row]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(16, FirstLabelTop + row * RowStep, row == 6 ? 110 : 100, 16);
        labels_[static_cast<size_t>(row)] = label;
    }

    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setGeometry(136, 264, 75, 25);

    for (int row = 0; row < RowCount; ++row) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        edit->setGeometry(135, FirstEditTop + row * RowStep, 80, 21);
        labels_[static_cast<size_t>(row)]->setBuddy(edit);
        edits_[static_cast<size_t>(row)] = edit;
    }

    Label10 = new QLabel(QStringLiteral("Состав конвертируемого газа, % об."), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setGeometry(12, 16, 221, 13);

    // Tab order: OK, Cancel, then the fields from top to bottom.
    setTabOrder(ButtonOk, ButtonCancel);
    setTabOrder(ButtonCancel, edits_[0]);
    for (int row = 1; row < RowCount; ++row)
        setTabOrder(edits_[static_cast<size_t>(row - 1)], edits_[static_cast<size_t>(row)]);

    connect(ButtonOk, &QPushButton::clicked, this, &TDataForm::ButtonOkClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TDataForm::ButtonCancelClick);

    SaveDataToForm();
    ButtonOk->setFocus();
}

void TDataForm::Present() {
    // Shown again in its normal state when it was minimised, then in front and active.
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void TDataForm::SaveDataToForm() {
    for (int row = 0; row < RowCount; ++row)
        edits_[static_cast<size_t>(row)]->setText(FormatField(engine_.feedComposition[row]));
}

std::optional<int> TDataForm::SaveDataToVar() {
    double values[RowCount];
    for (int row = 0; row < RowCount; ++row) {
        const QByteArray text = edits_[static_cast<size_t>(row)]->text().toUtf8();
        const auto value = quorvel::ParseFeedField(
            std::string_view(text.constData(), static_cast<size_t>(text.size())));
        if (!value)
            return row;
        values[row] = *value;
    }
    for (int row = 0; row < RowCount; ++row)
        engine_.feedComposition[row] = values[row];
    return std::nullopt;
}

void TDataForm::ButtonOkClick() {
    if (const auto badRow = SaveDataToVar()) {
        QLineEdit* edit = edits_[static_cast<size_t>(*badRow)];
        ShowMessage(MalformedFieldMessage(labels_[static_cast<size_t>(*badRow)]->text(),
                                          FeedFieldFaultOf(edit->text())));
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        return;
    }
    // A share below zero is no gas at all, even when the others make up the total (-50 and
    // 150 add up to 100); the values stay stored like a refused total's.
    for (int row = 0; row < RowCount; ++row) {
        if (engine_.feedComposition[row] < 0) {
            QLineEdit* edit = edits_[static_cast<size_t>(row)];
            ShowMessage(NegativeFieldMessage(labels_[static_cast<size_t>(row)]->text()));
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            return;
        }
    }
    // The stored values stay even when the total is rejected; only feedTotals, which the
    // calculation reads, is kept at the last accepted feed.
    double percentages[RowCount];
    for (int row = 0; row < RowCount; ++row)
        percentages[row] = engine_.feedComposition[row];
    const double total = quorvel::FeedTotal(percentages, RowCount);
    if (!quorvel::FeedTotalIsAccepted(total)) {
        ShowMessage(SumMessage());
        return;
    }
    quorvel::PreparationVar(engine_);
    accept();
}

void TDataForm::ButtonCancelClick() {
    reject();
}

void TDataForm::FormActivate() {
    // The window keeps no state that depends on being activated: the fields are written
    // from the feed only at construction, so returning to the window leaves them as typed.
}

void TDataForm::SetMessageHook(MessageHook hook) {
    messageHook_ = std::move(hook);
}

QString TDataForm::SumMessage() {
    return QString::fromUtf8(quorvel::FeedTotalRefusedMessage);
}

QString TDataForm::MalformedFieldMessage(const QString& rowLabel, FeedFieldFault fault) {
    switch (fault) {
    case FeedFieldFault::DecimalComma:
        return QStringLiteral("Проверьте исходные данные. В строке \"%1\" введено не число "
                              "(дробную часть отделяйте точкой)")
            .arg(rowLabel);
    case FeedFieldFault::Letters:
        return QStringLiteral("Проверьте исходные данные. В строке \"%1\" введено не число "
                              "(введены буквы; число пишется цифрами)")
            .arg(rowLabel);
    case FeedFieldFault::NotANumber:
        break;
    }
    return QStringLiteral("Проверьте исходные данные. В строке \"%1\" введено не число")
        .arg(rowLabel);
}

QString TDataForm::NegativeFieldMessage(const QString& rowLabel) {
    return QStringLiteral("Проверьте исходные данные. В строке \"%1\" значение меньше нуля")
        .arg(rowLabel);
}

void TDataForm::ShowMessage(const QString& text) {
    if (messageHook_) {
        messageHook_(this, text);
        return;
    }
    // No icon, one OK button, the program's name as caption, centred on the screen.
    quorvel::ShowCenteredMessage(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                                 this);
}

void TDataForm::closeEvent(QCloseEvent* event) {
    // The close box hides the window like Cancel; it is never destroyed.
    event->accept();
    ButtonCancelClick();
}

void TDataForm::keyPressEvent(QKeyEvent* event) {
    // No default or cancel button: Escape presses nothing, and Enter presses only a
    // button that has the focus (the button handles that key itself).
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TDataForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

void TDataForm::showEvent(QShowEvent* event) {
    // The desktop is asked for a dialog border all the same: the dialog window type, and
    // (by the flags above) no minimise or maximise button. It has no transient parent, so
    // the main window can still come in front of it. The type reaches the desktop only
    // through a window that exists and is not yet mapped, as it is here on the first show.
    setAttribute(Qt::WA_X11NetWmWindowTypeDialog);
    QDialog::showEvent(event);
}

void TDataForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // A spontaneous hide is the desktop unmapping the window (the program minimised); the
    // window is still open then, so the main window must not be activated for it.
    if (!event->spontaneous())
        emit Hidden();
}

} // namespace quorvel
