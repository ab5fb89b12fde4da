#pragma once

#include <QLocale>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

#include "engine/Engine.h"
#include "ui/main/ActivationTracker.h"
#include "ui/main/SweepRangeSettings.h"

class QFileDialog;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QWindow;

namespace quorvel {

class ApproachReadBackWindow;
class TrainWindow;
class CarbonLimitWindow;
class GoalSeekDialog;
class MapWindow;
class SweepRangeDialog;
class EntryPanel;
class ExportActions;
class HelpViewer;
class MainMenu;
class TAboutBox;
class TChart;
class TDataForm;
class ValuePairDialog;

// The calculator's main window: the results table on the left, the chart on the right,
// and below them the entry panel (the three parameter entries and the two radio groups
// that choose the view and the swept parameter). Every result comes from one
// recalculation cycle, FormActivate: read and clamp the entries, set the chart texts,
// run the sweep, write the table, reload the curves.
//
// A cycle runs at the window's first display, when the window becomes active again
// coming from another non-modal window of the program (the feed dialog; the help viewer
// counts as another application, like the desktop's help program), and whenever the
// entry panel asks for one (a radio item, a list choice, Enter, an idle entry's change).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Shows a modal error message; tests replace it to record messages.
    using MessageHook = std::function<void(const QString& caption, const QString& text)>;

    static constexpr int DesignClientWidth = 668;
    static constexpr int DesignClientHeight = 388;
    // The smallest client area: both radio groups and the entries whole in the bottom
    // panel, and a chart whose title, legend and plot stand apart.
    static constexpr int MinimumClientWidth = 600;
    static constexpr int MinimumClientHeight = 330;

    // The engine must outlive the window. The locale gives the decimal separator of the
    // entries and of the table (the desktop's unless a test passes another).
    explicit MainWindow(quorvel::Engine& engine, const QLocale& locale = QLocale::system(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The dialogs the Edit and Help menus open, created after this window.
    void AttachDialogs(TAboutBox* aboutBox, TDataForm* dataForm);
    // Replaces how error messages are shown; an empty hook restores the message box.
    void SetMessageHook(MessageHook hook);

    // The recalculation cycle and its steps.
    void FormActivate();
    void ConstructionChart();
    void SaveToMemo();
    void ChartDisplay();
    void FormResize();

    // Menu commands.
    void SaveAs();
    void Print();
    void FilePrintSetup();
    void FileExit();
    void EditStructureConvertibleGasItemClick();
    void HelpContents();
    void HelpHowToUse();
    void HelpAbout();
    // Options, "Standard thermodynamic data (NASA)": the constants' source of later
    // cycles; starts a cycle.
    void OptionsStandardDataClick(bool standard);
    // Options, "Mark carbon formation": marks the table and shades the chart where carbon
    // can form, from the next cycle on (which it starts).
    void OptionsMarkCarbonClick(bool mark);
    bool MarkCarbon() const;
    // Options, "Steam as S/C" and "Pressure unit": the units the steam and pressure entries,
    // the table, the chart and the goal seek use; the entries' texts are restated in them
    // and a cycle starts. S/C is refused for a feed without hydrocarbons.
    void OptionsSteamToCarbonClick(bool steamToCarbon);
    void OptionsPressureUnitClick(quorvel::PressureUnit unit);
    // Options, "Carbon limit...": shows the window of the minimum steam ratio, computed
    // now and again at every cycle while it is shown.
    void OptionsCarbonLimitClick();
    quorvel::CarbonLimitWindow* CarbonLimit() const { return carbonLimitWindow_; }
    // Options, "Sweep range...": the modal dialog of the swept parameter's own range; OK
    // remembers the choice (one per swept parameter) and starts a cycle with it.
    void OptionsSweepRangeClick();
    quorvel::SweepRangeDialog* SweepRangeChoice() const { return sweepRangeDialog_; }
    // Options, "Inlet temperatures..." and "Approach to equilibrium...": a dialog of the
    // two values; OK remembers them and starts a cycle with them.
    void OptionsInletTemperaturesClick();
    void OptionsApproachClick();
    quorvel::ValuePairDialog* InletDialog() const { return inletDialog_; }
    quorvel::ValuePairDialog* ApproachDialog() const { return approachDialog_; }
    // Options, "Approach from gas analysis...": the non-modal read-back window, which
    // reads the conditions of the last cycle and again at every cycle while it is shown.
    void OptionsApproachReadBackClick();
    quorvel::ApproachReadBackWindow* ApproachReadBack() const { return readBackWindow_; }
    // Options, "Process train...": the non-modal train window; the first time it opens on
    // the worked example, File, New there starts from this window's feed and steam ratio.
    void OptionsProcessTrainClick();
    quorvel::TrainWindow* ProcessTrain() const { return trainWindow_; }
    // Options, "Goal seek...": the non-modal dialog that finds the ratio, temperature or
    // pressure at which a figure of the gas reaches a target; its answer, when applied,
    // becomes that parameter's entry text and starts a cycle.
    void OptionsGoalSeekClick();
    quorvel::GoalSeekDialog* GoalSeek() const { return goalSeekDialog_; }
    // Options, "Maps...": the non-modal window of a figure over temperature and pressure,
    // computed from this window's conditions when its Calculate button is pressed.
    void OptionsMapsClick();
    quorvel::MapWindow* Maps() const { return mapWindow_; }
    // Puts the answer of a goal seek, in the entered units, into the parameter's entry and
    // starts a cycle.
    void ApplyEntryValue(quorvel::SweptParameter parameter, double value);

    // The work behind Save As and Print, without their dialogs.
    bool SaveMemoToFile(const QString& fileName);
    bool PrintMemo(QPrinter& printer);
    // The memo's lines as saving and printing take them (a trailing empty line is not
    // a line of its own).
    QStringList MemoLines() const;

    quorvel::SweptParameter XAxisMode() const;
    quorvel::ResultView YAxisMode() const;

    EntryPanel& Entries() { return *Panel; }
    // The number of cycles begun, for tests and diagnostics.
    int CycleCount() const { return cycleCount_; }

    QPrinter& Printer() { return *printer_; }
    // Export, chart picture, copying and print preview.
    ExportActions& Exports() { return *exports_; }
    QFileDialog* SaveDialog() const { return saveDialog_; }

    // The Qt file-dialog filters of Save As, text files first.
    static QStringList SaveFilters();

signals:
    // The window has been closed; the program ends.
    void Closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // The refusal of S/C for a feed without hydrocarbon carbon.
    static QString SteamToCarbonUndefinedText();
    // Takes new entered units: the entries restate their values in them, the goal seek
    // names them.
    void ShowEntryUnits(quorvel::EntryUnits units);
    void FormCreate();
    void CreateControls();
    void CreateMenu();
    void FocusWindowChanged(QWindow* window);
    void ShowError(const QString& caption, const QString& text);
    // The caption of the program's own error reports: the application's name, as the
    // desktop's default error report shows it.
    static QString ApplicationCaption();
    QChar DecimalSeparator() const;

    quorvel::Engine& engine_;
    QLocale locale_;
    MessageHook messageHook_;
    quorvel::ActivationTracker activation_;
    bool firstCycleDone_ = false;
    bool inCycle_ = false;
    int cycleCount_ = 0;
    QString memoColumns_; // the swept parameter and view of the table shown

    QWidget* client_ = nullptr;
    QPlainTextEdit* Memo = nullptr;
    quorvel::TChart* Chart = nullptr;
    EntryPanel* Panel = nullptr;
    QFrame* PanelReaction = nullptr;
    QLabel* Image1 = nullptr;
    quorvel::MainMenu* Menu = nullptr;

    QFileDialog* saveDialog_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    ExportActions* exports_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TDataForm* dataForm_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    quorvel::CarbonLimitWindow* carbonLimitWindow_ = nullptr;
    quorvel::ValuePairDialog* inletDialog_ = nullptr;
    quorvel::ValuePairDialog* approachDialog_ = nullptr;
    quorvel::ApproachReadBackWindow* readBackWindow_ = nullptr;
    quorvel::TrainWindow* trainWindow_ = nullptr;
    quorvel::GoalSeekDialog* goalSeekDialog_ = nullptr;
    quorvel::MapWindow* mapWindow_ = nullptr;
    quorvel::SweepRangeDialog* sweepRangeDialog_ = nullptr;
    // The ranges remembered for each swept parameter, in SweptParameter order.
    std::array<quorvel::RememberedRange, quorvel::SweptParameterCount> sweepRanges_;
};

} // namespace quorvel
