#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace quorvel {

// A captioned frame holding a column of radio buttons, exactly one of them chosen. The
// buttons share the frame's height evenly, as a radio group of a desktop form does.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    // The index of the chosen item, 0 for the first.
    int ItemIndex() const;
    QRadioButton* Button(int index) const { return buttons_.value(index); }

signals:
    // The user chose another item (mouse or keyboard).
    void ItemChosen(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceButtons();

    QButtonGroup* group_ = nullptr;
    QList<QRadioButton*> buttons_;
};

} // namespace quorvel
