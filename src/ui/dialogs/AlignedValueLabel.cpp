#include "ui/dialogs/AlignedValueLabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

namespace quorvel {

namespace {

// The caption ends where the first run of two or more blanks begins.
qsizetype CaptionEnd(const QString& text) {
    static const QRegularExpression gap(QStringLiteral("  +"));
    const QRegularExpressionMatch match = gap.match(text);
    return match.hasMatch() ? match.capturedStart() : -1;
}

} // namespace

AlignedValueLabel::AlignedValueLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString AlignedValueLabel::Caption() const {
    const qsizetype end = CaptionEnd(text());
    return end < 0 ? text() : text().left(end);
}

QString AlignedValueLabel::Value() const {
    const qsizetype end = CaptionEnd(text());
    return end < 0 ? QString() : text().mid(end).trimmed();
}

int AlignedValueLabel::CaptionWidth() const {
    return fontMetrics().horizontalAdvance(Caption());
}

void AlignedValueLabel::SetValueLeft(int left) {
    valueLeft_ = left;
    updateGeometry();
    update();
}

QSize AlignedValueLabel::sizeHint() const {
    QSize size = QLabel::sizeHint();
    if (valueLeft_ >= 0 && CaptionEnd(text()) >= 0) {
        const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
        size.setWidth(valueLeft_ + fontMetrics().horizontalAdvance(Value()) + margins);
    }
    return size;
}

QSize AlignedValueLabel::minimumSizeHint() const {
    return sizeHint();
}

void AlignedValueLabel::AlignValues(std::initializer_list<AlignedValueLabel*> labels) {
    int widest = 0;
    for (const AlignedValueLabel* label : labels) {
        widest = std::max(widest, label->CaptionWidth());
    }
    for (AlignedValueLabel* label : labels) {
        label->SetValueLeft(widest + 2 * label->fontMetrics().horizontalAdvance(u' '));
    }
}

void AlignedValueLabel::paintEvent(QPaintEvent* event) {
    if (valueLeft_ < 0 || CaptionEnd(text()) < 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QPalette::ColorRole role = foregroundRole();
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(),
                          Caption(), role);
    style()->drawItemText(&painter, area.adjusted(valueLeft_, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(), Value(), role);
}

} // namespace quorvel
