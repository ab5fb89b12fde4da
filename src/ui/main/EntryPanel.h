#pragma once

#include <QFrame>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

#include "engine/Engine.h"
#include "ui/main/EntryConversion.h"

class QComboBox;
class QLabel;

namespace quorvel {

struct MainLayout;
class ParameterEntry;
class RadioGroup;

// The main window's bottom panel: the three parameter entries (ratio, temperature,
// pressure) with their labels and the two radio groups that choose the view and the
// swept parameter. It keeps the entries' editing protocol: typing in an entry does not
// recalculate; Enter, a list choice or a change made without the keyboard does, and
// Escape puts back the text the entry had when its edit began. Whenever a cycle is due
// it emits CycleRequested; the main window runs the cycle, which reads the entries back
// through ComboBoxChange.
class EntryPanel : public QFrame {
    Q_OBJECT

public:
    // Reports a conversion error (caption, text) while the cycle waits.
    using ErrorReport = std::function<void(const QString& caption, const QString& text)>;

    // The entries write their values into engine, which must outlive the panel.
    EntryPanel(quorvel::Engine& engine, const QLocale& locale, ErrorReport reportError,
               QWidget* parent);

    // Reads, converts and clamps the entries; false after a conversion error.
    bool ComboBoxChange();
    // Hides the label and entry of the swept parameter and shows the other two.
    void ShowEntriesFor(quorvel::SweptParameter swept);
    // Puts the labels, the lists and the texts of the steam and pressure entries into the
    // engine's units after they changed from `previous`: a readable text is restated in
    // the new units, so that it stands for the same steam or pressure.
    void ShowUnits(quorvel::EntryUnits previous);
    // Places the two radio groups as the window's layout rule says.
    void PlaceRadioGroups(const quorvel::MainLayout& layout);

    quorvel::SweptParameter XAxisMode() const;
    quorvel::ResultView YAxisMode() const;

    // The editing protocol of the entries.
    void ComboBoxRatioClick(QComboBox* entry);
    // Returns true when the key has been dealt with and must not reach the entry.
    bool ComboBoxRatioKeyDown(QComboBox* entry, int key);

    // The controls in the order the Tab key visits them: radio buttons, then entries.
    QList<QWidget*> TabChain() const;

    // State of the editing protocol, for tests and diagnostics.
    int EntryTag(const QComboBox* entry) const;
    bool EntryChangeBound(const QComboBox* entry) const;

signals:
    // A radio item was chosen, an item picked from a list, Enter pressed, or an idle
    // entry's text changed: a recalculation is due.
    void CycleRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        ParameterEntry* box = nullptr;
        QLabel* label = nullptr;
        double* value = nullptr;
        int Tag = 0;             // 0 idle, 1 being edited
        bool changeBound = true; // the change event leads to a cycle
        QString savedText;       // the text when the current edit began
        QString lastGoodText;    // the text of the last value read without error
    };

    ParameterEntry* CreateEntry(const QString& name, const QStringList& commaItems,
                                const QString& commaText, int top);
    Entry* FindEntry(const QObject* object);
    const Entry* FindEntry(const QObject* object) const {
        return const_cast<EntryPanel*>(this)->FindEntry(object);
    }
    void EntryChanged(Entry& entry);
    void RestateEntry(Entry& entry, quorvel::SweptParameter parameter,
                      quorvel::EntryUnits previous);
    void SetEntryItems(Entry& entry, const QStringList& commaItems);

    const quorvel::Engine& engine_;
    QLocale locale_;
    ErrorReport reportError_;
    std::array<Entry, 3> entries_;     // ratio, temperature, pressure
    std::array<int, 3> labelWidths_{}; // of the labels in the default units

    QLabel* StaticText1 = nullptr;
    QLabel* LabelRatio = nullptr;
    QLabel* LabelTemperature = nullptr;
    QLabel* LabelPressure = nullptr;
    ParameterEntry* ComboBoxRatio = nullptr;
    ParameterEntry* ComboBoxTemperature = nullptr;
    ParameterEntry* ComboBoxPressure = nullptr;
    RadioGroup* RadioGroupAxisY = nullptr;
    RadioGroup* RadioGroupAxisX = nullptr;
};

} // namespace quorvel
