#pragma once

#include <QLabel>

namespace quorvel {

// A one-line label of the form "caption<blanks>value" whose value is drawn at a given
// distance from the label's left edge instead of after the blanks. Blanks align values
// only in a font whose blank is as wide as the letters it stands for; drawing the value
// at a set column lines up the values of several labels in any font. The label's text
// stays the whole line. A text without a run of two or more blanks is drawn as usual.
class AlignedValueLabel : public QLabel {
    Q_OBJECT

public:
    AlignedValueLabel(const QString& text, QWidget* parent = nullptr);

    QString Caption() const;
    QString Value() const;
    // The width of the caption in the label's font.
    int CaptionWidth() const;
    // Where the value starts, from the label's left edge; -1 draws the text as it is.
    int ValueLeft() const { return valueLeft_; }
    void SetValueLeft(int left);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Places the values of the labels at one column: past the widest caption by the
    // width of two blanks.
    static void AlignValues(std::initializer_list<AlignedValueLabel*> labels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int valueLeft_ = -1;
};

} // namespace quorvel
