#include "ui/main/EntryPanel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include <algorithm>

#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "report/SweepCaptions.h"
#include "ui/main/EntryConversion.h"
#include "ui/main/LayoutRule.h"
#include "ui/main/ParameterEntry.h"
#include "ui/main/RadioGroup.h"

namespace quorvel {

namespace {

const QString PanelFontFamily = QStringLiteral("PROMT Helv Cyr");
constexpr int PanelFontPixels = 12;
constexpr int RadioGroupTop = 1;
constexpr int RadioGroupHeight = 92;
constexpr int EntryItemHeight = 15;
constexpr int EntryDropDownCount = 8; // items shown at once in an open list

QString ConversionErrorText() {
    return QStringLiteral("Ошибка преобразования строк (Ошибка ввода числа)");
}

// The entries' drop-down lists show their items 15 pixels high.
class EntryItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(EntryItemHeight);
        return size;
    }
};

// An entry's label: the parameter's name as the radio item and the chart name it.
QString ParameterName(quorvel::SweptParameter parameter) {
    return QString::fromUtf8(quorvel::CaptionsOf(parameter).name);
}

QStringList CommaItems(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        list.append(QString::fromUtf8(item));
    }
    return list;
}

// The lists of the steam and pressure entries in each of their units: round values of
// the unit itself, the way the ratio and atm lists are.
QStringList RatioItems() {
    return CommaItems({"0,2", "0,4", "0,6", "0,8", "1,0", "1,2", "1,4", "1,6", "1,8", "2,0", "2,2",
                       "2,4", "2,6", "2,8", "3,0", "3,5", "4,0"});
}

QStringList SteamToCarbonItems() {
    return CommaItems({"1,0", "1,5", "2,0", "2,2", "2,4", "2,5", "2,6", "2,7", "2,8", "2,9", "3,0",
                       "3,2", "3,4", "3,6", "3,8", "4,0", "4,5"});
}

QStringList PressureItems(quorvel::PressureUnit unit) {
    if (unit == quorvel::PressureUnit::MPa)
        return CommaItems(
            {"1,5", "1,6", "1,7", "1,8", "1,9", "2,0", "2,1", "2,2", "2,3", "2,4", "2,5"});
    return CommaItems({"15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25"});
}

} // namespace

EntryPanel::EntryPanel(quorvel::Engine& engine, const QLocale& locale, ErrorReport reportError,
                       QWidget* parent)
    : QFrame(parent), engine_(engine), locale_(locale), reportError_(std::move(reportError)) {
    setObjectName(QStringLiteral("Panel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    QFont font(PanelFontFamily);
    font.setPixelSize(PanelFontPixels);
    setFont(font);
    setGeometry(0, 293, 667, quorvel::BottomPanelHeight);

    StaticText1 = new QLabel(QStringLiteral("Постоянные параметры процесса"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(19, 2, 200, 19);

    LabelRatio = new QLabel(ParameterName(quorvel::SweptParameter::Ratio), this);
    LabelRatio->setObjectName(QStringLiteral("LabelRatio"));
    LabelRatio->setGeometry(11, 23, 141, 15);
    LabelTemperature = new QLabel(ParameterName(quorvel::SweptParameter::Temperature), this);
    LabelTemperature->setObjectName(QStringLiteral("LabelTemperature"));
    LabelTemperature->setGeometry(11, 45, 121, 15);
    LabelPressure = new QLabel(ParameterName(quorvel::SweptParameter::Pressure), this);
    LabelPressure->setObjectName(QStringLiteral("LabelPressure"));
    LabelPressure->setGeometry(11, 68, 83, 15);

    ComboBoxRatio =
        CreateEntry(QStringLiteral("ComboBoxRatio"), RatioItems(), QStringLiteral("2,5"), 20);
    ComboBoxTemperature =
        CreateEntry(QStringLiteral("ComboBoxTemperature"),
                    CommaItems({"700", "720", "740", "760", "780", "800", "820", "840", "860",
                                "880", "900", "920", "940", "960", "980", "", ""}),
                    QStringLiteral("860"), 43);
    ComboBoxPressure =
        CreateEntry(QStringLiteral("ComboBoxPressure"), PressureItems(quorvel::PressureUnit::Atm),
                    QStringLiteral("25"), 66);

    const std::array<double*, 3> values = {&engine.InputRatio, &engine.InputTemperature,
                                           &engine.processConditions.InputPressure};
    const std::array<ParameterEntry*, 3> boxes = {ComboBoxRatio, ComboBoxTemperature,
                                                  ComboBoxPressure};
    const std::array<QLabel*, 3> labels = {LabelRatio, LabelTemperature, LabelPressure};
    for (size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].box = boxes[i];
        entries_[i].label = labels[i];
        entries_[i].value = values[i];
        labelWidths_[i] = labels[i]->width();
    }
    for (Entry& entry : entries_) {
        entry.lastGoodText = entry.box->currentText();
        QComboBox* box = entry.box;
        // A change made by the user, with the keyboard or the mouse; texts set by the
        // program do not count.
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, box] { EntryChanged(*FindEntry(box)); });
        // An item chosen from the list: the click handler first, then the change event.
        connect(box, &QComboBox::activated, this, [this, box] {
            ComboBoxRatioClick(box);
            EntryChanged(*FindEntry(box));
        });
        box->installEventFilter(this);
    }

    QStringList viewItems;
    for (const quorvel::ResultView view : quorvel::AllResultViews) {
        viewItems << QString::fromUtf8(quorvel::CaptionsOf(view).name);
    }
    RadioGroupAxisY = new RadioGroup(QStringLiteral("Ось Y"), viewItems, this);
    RadioGroupAxisY->setObjectName(QStringLiteral("RadioGroupAxisY"));
    RadioGroupAxisY->setGeometry(248, RadioGroupTop, 226, RadioGroupHeight);
    QStringList sweepItems;
    for (const quorvel::SweptParameter parameter : quorvel::AllSweptParameters) {
        sweepItems << QString::fromUtf8(quorvel::CaptionsOf(parameter).name);
    }
    RadioGroupAxisX = new RadioGroup(QStringLiteral("Ось X"), sweepItems, this);
    RadioGroupAxisX->setObjectName(QStringLiteral("RadioGroupAxisX"));
    RadioGroupAxisX->setGeometry(475, RadioGroupTop, 188, RadioGroupHeight);
    connect(RadioGroupAxisY, &RadioGroup::ItemChosen, this, &EntryPanel::CycleRequested);
    connect(RadioGroupAxisX, &RadioGroup::ItemChosen, this, &EntryPanel::CycleRequested);
}

ParameterEntry* EntryPanel::CreateEntry(const QString& name, const QStringList& commaItems,
                                        const QString& commaText, int top) {
    auto* box = new ParameterEntry(locale_, this);
    box->setObjectName(name);
    box->setEditable(true);
    // The entry keeps exactly what is typed: no completion, no items added on Enter,
    // and leaving the entry does not pick a matching list item by itself.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::disconnect(box->lineEdit(), SIGNAL(editingFinished()), box, nullptr);
    QObject::disconnect(box->lineEdit(), SIGNAL(returnPressed()), box, nullptr);
    box->setMaxVisibleItems(EntryDropDownCount);
    box->setItemDelegate(new EntryItemDelegate(box));
    for (const QString& item : commaItems) {
        box->addItem(quorvel::WithDecimalSeparator(item, locale_));
    }
    // The list's own item is the current one when the text is among them, so that the
    // arrow keys step on from it ("860" -> "880"); otherwise none is.
    const QString text = quorvel::WithDecimalSeparator(commaText, locale_);
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
    box->SetConfirmedText(text);
    box->setGeometry(173, top, 54, 23);
    return box;
}

QList<QWidget*> EntryPanel::TabChain() const {
    QList<QWidget*> chain;
    for (const RadioGroup* group : {RadioGroupAxisY, RadioGroupAxisX}) {
        for (int i = 0; i < 3; ++i) {
            chain.append(group->Button(i));
        }
    }
    for (const Entry& entry : entries_) {
        chain.append(entry.box);
    }
    return chain;
}

bool EntryPanel::ComboBoxChange() {
    const int hiddenEntry = quorvel::IndexOf(XAxisMode());
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        Entry& entry = entries_[static_cast<size_t>(i)];
        const std::optional<double> number =
            quorvel::ParseEntryNumber(entry.box->currentText(), locale_);
        if (!number && i == hiddenEntry) {
            // The swept parameter's entry is hidden, so the user could neither see nor
            // mend its text: it silently gets back the text of its last good value, which
            // its value still holds, and ends any edit. Setting the text from the program
            // does not fire the change event.
            entry.box->setEditText(entry.lastGoodText);
            entry.Tag = 0;
            entry.changeBound = true;
            continue;
        }
        if (!number) {
            // The later entries are not read; every value keeps its last good one.
            reportError_(QStringLiteral("Error"), ConversionErrorText());
            return false;
        }
        // The text is in the entered units (S/C, the pressure unit) and is clamped to the
        // limits of the constants' source in them; the model gets its own units.
        const quorvel::SweptParameter parameter = quorvel::AllSweptParameters[i];
        const quorvel::EntryBounds bounds =
            quorvel::BoundsOfLimits(quorvel::ShownLimits(engine_, parameter));
        const quorvel::ClampResult clamped = quorvel::ClampEntryValue(*number, bounds, locale_);
        *entry.value = quorvel::ModelFromShown(engine_, parameter, clamped.value);
        if (clamped.replacementText) {
            entry.box->setEditText(*clamped.replacementText);
        }
        entry.lastGoodText = entry.box->currentText();
        entry.box->SetConfirmedText(entry.lastGoodText);
    }
    return true;
}

void EntryPanel::ShowEntriesFor(quorvel::SweptParameter swept) {
    // The swept parameter's entry is hidden; its text is still read every cycle.
    for (int i = 0; i < 3; ++i) {
        const bool shown = i != quorvel::IndexOf(swept);
        entries_[static_cast<size_t>(i)].label->setVisible(shown);
        entries_[static_cast<size_t>(i)].box->setVisible(shown);
    }
}

void EntryPanel::ShowUnits(quorvel::EntryUnits previous) {
    const quorvel::EntryUnits now = engine_.units;
    if (now.steamToCarbon != previous.steamToCarbon) {
        Entry& ratio = entries_[0];
        SetEntryItems(ratio, now.steamToCarbon ? SteamToCarbonItems() : RatioItems());
        RestateEntry(ratio, quorvel::SweptParameter::Ratio, previous);
    }
    if (now.pressure != previous.pressure) {
        Entry& pressure = entries_[2];
        SetEntryItems(pressure, PressureItems(now.pressure));
        RestateEntry(pressure, quorvel::SweptParameter::Pressure, previous);
    }
    // The labels and the swept parameter's radio items name the units; a longer label
    // than the default one widens up to the entries, and S/C has a shorter one there.
    for (int i = 0; i < 3; ++i) {
        const quorvel::SweptParameter parameter = quorvel::AllSweptParameters[i];
        const QString name = quorvel::ShownAxisTitle(engine_, parameter);
        QLabel* label = entries_[static_cast<size_t>(i)].label;
        label->setText(parameter == quorvel::SweptParameter::Ratio && now.steamToCarbon
                           ? QStringLiteral("Пар/углерод (S/C)")
                           : name);
        const int wanted = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        label->resize(std::clamp(wanted, labelWidths_[static_cast<size_t>(i)],
                                 entries_[static_cast<size_t>(i)].box->x() - label->x()),
                      label->height());
        RadioGroupAxisX->Button(i)->setText(name);
    }
}

void EntryPanel::SetEntryItems(Entry& entry, const QStringList& commaItems) {
    // Replacing the items clears the text; it is put back below.
    const QString text = entry.box->currentText();
    entry.box->clear();
    for (const QString& item : commaItems) {
        entry.box->addItem(quorvel::WithDecimalSeparator(item, locale_));
    }
    entry.box->setCurrentIndex(entry.box->findText(text));
    entry.box->setEditText(text);
}

void EntryPanel::RestateEntry(Entry& entry, quorvel::SweptParameter parameter,
                              quorvel::EntryUnits previous) {
    // The text as it stands (an edit not yet confirmed included); an unreadable one stays
    // for the next cycle to report. S/C of a feed without hydrocarbons cannot be restated:
    // the value of the last cycle stands for it.
    const std::optional<double> number =
        quorvel::ParseEntryNumber(entry.box->currentText(), locale_);
    if (!number)
        return;
    const std::optional<double> shown =
        quorvel::RestatedShownValue(engine_, parameter, *number, previous);
    const double value = shown ? *shown : quorvel::ShownInputValue(engine_, parameter);
    const QString text = quorvel::FormatGeneral(value, quorvel::DecimalSeparatorOf(locale_));
    entry.box->setCurrentIndex(entry.box->findText(text));
    entry.box->setEditText(text);
    // A restated value may be longer than the entry is wide: its leading digits show.
    entry.box->lineEdit()->setCursorPosition(0);
    entry.box->SetConfirmedText(text);
    entry.lastGoodText = text;
    entry.Tag = 0;
    entry.changeBound = true;
}

void EntryPanel::PlaceRadioGroups(const quorvel::MainLayout& layout) {
    RadioGroupAxisY->setGeometry(layout.axisYLeft, RadioGroupTop, std::max(0, layout.axisYWidth),
                                 RadioGroupHeight);
    RadioGroupAxisX->setGeometry(layout.axisXLeft, RadioGroupTop, std::max(0, layout.axisXWidth),
                                 RadioGroupHeight);
}

// A radio group always has one item chosen; were none, the first item stands for it.
quorvel::SweptParameter EntryPanel::XAxisMode() const {
    return quorvel::SweptParameterAt(RadioGroupAxisX->ItemIndex())
        .value_or(quorvel::SweptParameter::Ratio);
}

quorvel::ResultView EntryPanel::YAxisMode() const {
    return quorvel::ResultViewAt(RadioGroupAxisY->ItemIndex()).value_or(quorvel::ResultView::Dry);
}

EntryPanel::Entry* EntryPanel::FindEntry(const QObject* object) {
    for (Entry& entry : entries_) {
        if (entry.box == object) {
            return &entry;
        }
    }
    return nullptr;
}

int EntryPanel::EntryTag(const QComboBox* entry) const {
    const Entry* found = FindEntry(entry);
    return found != nullptr ? found->Tag : -1;
}

bool EntryPanel::EntryChangeBound(const QComboBox* entry) const {
    const Entry* found = FindEntry(entry);
    return found != nullptr && found->changeBound;
}

void EntryPanel::EntryChanged(Entry& entry) {
    if (entry.changeBound) {
        emit CycleRequested();
    }
}

void EntryPanel::ComboBoxRatioClick(QComboBox* box) {
    if (Entry* entry = FindEntry(box)) {
        entry->Tag = 0;
        entry->changeBound = true;
        entry->box->SetConfirmedText(entry->box->currentText());
    }
}

bool EntryPanel::ComboBoxRatioKeyDown(QComboBox* box, int key) {
    Entry* entry = FindEntry(box);
    if (entry == nullptr) {
        return false;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        entry->Tag = 0;
        entry->changeBound = true;
        emit CycleRequested();
        return true;
    }
    if (key == Qt::Key_Escape) {
        // Only an edit of this entry is undone, with the text this entry had when it
        // began; an idle entry keeps its text.
        if (entry->Tag == 1) {
            entry->box->setEditText(entry->savedText);
        }
        entry->Tag = 0;
        entry->changeBound = true;
        return true;
    }
    // Any other key starts an edit: remember the text as it was before the key acts and
    // stop the change event, so that typing does not recalculate at every key.
    if (entry->Tag == 0) {
        entry->savedText = box->currentText();
        entry->Tag = 1;
        entry->changeBound = false;
    }
    return false;
}

bool EntryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (auto* box = qobject_cast<QComboBox*>(watched); box != nullptr && FindEntry(box)) {
            const auto* keyEvent = static_cast<QKeyEvent*>(event);
            // Tab and Shift+Tab move the focus between the window's controls before the
            // entry sees them as keys, so they neither start nor end an edit.
            const bool focusKey =
                keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab;
            if (!focusKey && ComboBoxRatioKeyDown(box, keyEvent->key())) {
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace quorvel
