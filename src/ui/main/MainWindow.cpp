#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QWindow>

#include <exception>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "chart/widget/TChart.h"
#include "report/CarbonMarks.h"
#include "report/ConditionLines.h"
#include "report/CsvExport.h"
#include "report/ResultsTable.h"
#include "report/ShownParameters.h"
#include "ui/dialogs/ApproachReadBackWindow.h"
#include "ui/dialogs/CarbonLimitWindow.h"
#include "ui/dialogs/CenteredMessageBox.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/TDataForm.h"
#include "ui/main/CarbonBands.h"
#include "ui/main/EntryConversion.h"
#include "ui/main/EntryPanel.h"
#include "ui/main/ExportActions.h"
#include "ui/main/LayoutRule.h"
#include "ui/main/MainMenu.h"
#include "ui/main/MemoViewState.h"
#include "ui/main/PlantSettings.h"
#include "ui/main/ReadoutFigures.h"
#include "views/ReformingChartView.h"
#include "views/SweepChart.h"

namespace quorvel {

namespace {

const QString WindowFontFamily = QStringLiteral("PROMT Helv Cyr");
constexpr int WindowFontPixels = 11;
const QString MemoFontFamily = QStringLiteral("Courier New");
constexpr int MemoFontPixels = 12;
constexpr int DesignLeft = 284;
constexpr int DesignTop = 271;
constexpr int ChartTop = 26;
constexpr int PanelMargin = 1; // the bottom panel keeps one pixel to the right and bottom

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

QString MainWindow::ApplicationCaption() {
    return QCoreApplication::applicationName();
}

MainWindow::MainWindow(quorvel::Engine& engine, const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), engine_(engine), locale_(locale),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(
        QStringLiteral("Расчет равновесия получения синтез-газа водяной конверсией метана"));
    setFont(PixelFont(WindowFontFamily, WindowFontPixels));
    FormCreate();
    CreateControls();
    CreateMenu();

    // The client area below the menu bar has the designed size; the frame goes where the
    // form was placed.
    resize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    client_->resize(DesignClientWidth, DesignClientHeight);
    client_->setMinimumSize(MinimumClientWidth, MinimumClientHeight);
    move(DesignLeft, DesignTop);
    FormResize();

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::FocusWindowChanged);
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate() {
    quorvel::InitialSetData(engine_);
    for (const quorvel::SweptParameter swept : quorvel::AllSweptParameters) {
        sweepRanges_[static_cast<size_t>(quorvel::IndexOf(swept))] = quorvel::LoadSweepRange(swept);
    }
}

void MainWindow::CreateControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    Memo = new QPlainTextEdit(client_);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setFont(PixelFont(MemoFontFamily, MemoFontPixels));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setTabChangesFocus(true);
    // The frame takes the highlight colour while the table has the focus.
    Memo->setStyleSheet(
        QStringLiteral("QPlainTextEdit#Memo:focus { border: 1px solid palette(highlight); }"));
    Memo->setPlainText(QStringLiteral("Memo1"));
    Memo->setGeometry(-1, 0, 248, 294);
    Memo->hide(); // shown once the first table has been written

    Chart = new quorvel::TChart(client_);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setGeometry(249, ChartTop, 418, 267);
    quorvel::ConfigureReformingChart(Chart->Model());
    // The readout over the plot, in the table's number format, with the reformer
    // figures of the same point below the curves' values.
    Chart->SetReadoutText([this](const quorvel::ChartReadout& readout) {
        return quorvel::ReadoutText(
            quorvel::ShownAxisTitle(engine_, XAxisMode()), readout, DecimalSeparator(),
            quorvel::ReadoutFigures(engine_, readout.x, DecimalSeparator()));
    });

    Panel = new EntryPanel(
        engine_, locale_,
        [this](const QString& caption, const QString& text) { ShowError(caption, text); }, client_);
    connect(Panel, &EntryPanel::CycleRequested, this, &MainWindow::FormActivate);
    // The chart's two lowest rows lie over the panel's top edge; the chart stays in front,
    // so the window shows all of it, as its picture does.
    Chart->raise();

    PanelReaction = new QFrame(client_);
    PanelReaction->setObjectName(QStringLiteral("PanelReaction"));
    PanelReaction->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelReaction->setLineWidth(1);
    PanelReaction->setGeometry(250, 0, 419, quorvel::ReactionStripHeight);

    // The image area of the strip holds no picture, so the strip shows empty.
    Image1 = new QLabel(PanelReaction);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setGeometry(1, 1, 417, 23);

    // Tab order: the table, the chart (whose readout the arrow keys then move), the two
    // radio groups, then the three entries. The bottom panel, which holds the focus at
    // start, stands just before the radio groups, so the first Tab goes to them.
    setTabOrder(Memo, Chart);
    setTabOrder(Chart, Panel);
    QWidget* previous = Panel;
    for (QWidget* next : Panel->TabChain()) {
        setTabOrder(previous, next);
        previous = next;
    }

    // No entry has the focus at start: the bottom panel holds it.
    Panel->setFocusPolicy(Qt::ClickFocus);
    Panel->setFocus();
}

void MainWindow::CreateMenu() {
    exports_ = new ExportActions(
        *Chart, *printer_,
        {[this] { return MemoLines(); },
         [this] { return quorvel::CsvExportLines(engine_, XAxisMode(), YAxisMode()); },
         [this](QPrinter& printer) { return PrintMemo(printer); },
         [this](const QString& text) { ShowError(ApplicationCaption(), text); },
         [this] { return quorvel::ChartCaptionLines(engine_, XAxisMode(), DecimalSeparator()); }},
        this);
    Menu = new quorvel::MainMenu(menuBar(), *exports_, this);
    connect(Menu, &MainMenu::SaveAsRequested, this, &MainWindow::SaveAs);
    connect(Menu, &MainMenu::PrintRequested, this, &MainWindow::Print);
    connect(Menu, &MainMenu::PrintSetupRequested, this, &MainWindow::FilePrintSetup);
    connect(Menu, &MainMenu::ExitRequested, this, &MainWindow::FileExit);
    connect(Menu, &MainMenu::FeedDialogRequested, this,
            &MainWindow::EditStructureConvertibleGasItemClick);
    connect(Menu, &MainMenu::StandardDataChanged, this, &MainWindow::OptionsStandardDataClick);
    connect(Menu, &MainMenu::MarkCarbonChanged, this, &MainWindow::OptionsMarkCarbonClick);
    connect(Menu, &MainMenu::SteamToCarbonChanged, this, &MainWindow::OptionsSteamToCarbonClick);
    connect(Menu, &MainMenu::PressureUnitChanged, this, &MainWindow::OptionsPressureUnitClick);
    connect(Menu, &MainMenu::CarbonLimitRequested, this, &MainWindow::OptionsCarbonLimitClick);
    connect(Menu, &MainMenu::InletTemperaturesRequested, this,
            &MainWindow::OptionsInletTemperaturesClick);
    connect(Menu, &MainMenu::ApproachRequested, this, &MainWindow::OptionsApproachClick);
    connect(Menu, &MainMenu::ApproachReadBackRequested, this,
            &MainWindow::OptionsApproachReadBackClick);
    connect(Menu, &MainMenu::ProcessTrainRequested, this, &MainWindow::OptionsProcessTrainClick);
    connect(Menu, &MainMenu::SweepRangeRequested, this, &MainWindow::OptionsSweepRangeClick);
    connect(Menu, &MainMenu::GoalSeekRequested, this, &MainWindow::OptionsGoalSeekClick);
    connect(Menu, &MainMenu::MapsRequested, this, &MainWindow::OptionsMapsClick);
    connect(Menu, &MainMenu::HelpContentsRequested, this, &MainWindow::HelpContents);
    connect(Menu, &MainMenu::HelpHowToUseRequested, this, &MainWindow::HelpHowToUse);
    connect(Menu, &MainMenu::HelpAboutRequested, this, &MainWindow::HelpAbout);
    // The remembered choices hold from the first cycle on.
    engine_.constants = Menu->StandardData() ? quorvel::ConstantsSource::Standard
                                             : quorvel::ConstantsSource::Builtin;
    engine_.inlet = quorvel::LoadInletTemperatures();
    engine_.approach = quorvel::LoadApproach();
    engine_.units = {Menu->SteamToCarbon(), Menu->PressureUnit()};
    Panel->ShowUnits(quorvel::EntryUnits{});

    saveDialog_ = new QFileDialog(this);
    saveDialog_->setObjectName(QStringLiteral("SaveDialog"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_->setNameFilters(SaveFilters());
    saveDialog_->selectNameFilter(SaveFilters().front());
    saveDialog_->setDefaultSuffix(QStringLiteral("txt"));
}

void MainWindow::AttachDialogs(TAboutBox* aboutBox, TDataForm* dataForm) {
    aboutBox_ = aboutBox;
    dataForm_ = dataForm;
    if (dataForm_ != nullptr) {
        // When the feed dialog goes away while it has the focus, the focus comes back
        // here, which counts as a return from the dialog.
        TDataForm* feedDialog = dataForm_;
        connect(feedDialog, &TDataForm::Hidden, this, [this, feedDialog] {
            QWindow* focus = QGuiApplication::focusWindow();
            if (isVisible() && !isMinimized() &&
                (focus == nullptr || focus == feedDialog->windowHandle())) {
                activateWindow();
            }
        });
    }
}

void MainWindow::SetMessageHook(MessageHook hook) {
    messageHook_ = std::move(hook);
}

void MainWindow::ShowError(const QString& caption, const QString& text) {
    if (messageHook_) {
        messageHook_(caption, text);
        return;
    }
    // No parent: the box blocks the whole program.
    quorvel::ShowCenteredMessage(QMessageBox::Critical, caption, text);
}

// ---- The recalculation cycle ----

void MainWindow::FormActivate() {
    if (inCycle_) {
        return; // a cycle runs to its end before another may start
    }
    inCycle_ = true;
    ++cycleCount_;
    if (engine_.units.steamToCarbon && !quorvel::SteamToCarbonDefined(engine_.feedTotals)) {
        // The feed has lost its hydrocarbons since S/C was chosen: steam goes back to the
        // ratio for this run, with the value of the last cycle.
        Menu->UncheckSteamToCarbon(false);
        ShowEntryUnits({false, engine_.units.pressure});
        ShowError(ApplicationCaption(), SteamToCarbonUndefinedText());
    }
    try {
        ConstructionChart();
        // The range chosen for the swept parameter, or else the design's grid, restated in
        // the entered units where they are not the model's.
        const std::optional<quorvel::SweepRange> chosen = quorvel::UsableSweepRange(
            sweepRanges_[static_cast<size_t>(quorvel::IndexOf(XAxisMode()))], engine_, XAxisMode());
        engine_.sweepRange =
            chosen ? *chosen : quorvel::DesignGridInShownUnits(engine_, XAxisMode());
        quorvel::RunSweep(engine_, XAxisMode(), YAxisMode());
        SaveToMemo();
        ChartDisplay();
        if (carbonLimitWindow_ != nullptr && carbonLimitWindow_->isVisible()) {
            carbonLimitWindow_->Recalculate(engine_);
        }
        if (readBackWindow_ != nullptr && readBackWindow_->isVisible() &&
            readBackWindow_->HasResult()) {
            readBackWindow_->Recalculate(engine_);
        }
    } catch (const std::exception& error) {
        // A floating-point fault among them: the table and the curves keep what the
        // previous cycle left.
        ShowError(ApplicationCaption(), QString::fromUtf8(error.what()));
    }
    inCycle_ = false;
}

void MainWindow::ConstructionChart() {
    Panel->ComboBoxChange();
    const quorvel::SweptParameter xMode = XAxisMode();
    quorvel::ConstructionChart(Chart->Model(),
                               quorvel::SweepChartTexts(engine_, xMode, YAxisMode()),
                               [this] { Chart->RepaintNow(); });
    Panel->ShowEntriesFor(xMode);
}

QChar MainWindow::DecimalSeparator() const {
    return DecimalSeparatorOf(locale_);
}

void MainWindow::SaveToMemo() {
    // Hiding the memo takes the focus from it and the new text scrolls it home; the
    // user's place in the window and in the table is put back once it is shown again.
    quorvel::MemoViewState view = quorvel::CaptureMemoView(*Memo);
    view.columns = memoColumns_;
    Memo->hide();
    Memo->clear();
    QStringList lines =
        quorvel::ResultsTableLines(engine_, XAxisMode(), YAxisMode(), DecimalSeparator());
    if (MarkCarbon()) {
        quorvel::MarkCarbonFormation(engine_, lines);
    }
    Memo->setPlainText(lines.join(u'\n'));
    Memo->show();
    // The table's columns follow the swept parameter and the view.
    memoColumns_ = QStringLiteral("%1/%2")
                       .arg(quorvel::IndexOf(XAxisMode()))
                       .arg(quorvel::IndexOf(YAxisMode()));
    quorvel::RestoreMemoView(*Memo, view, memoColumns_);
}

void MainWindow::ChartDisplay() {
    quorvel::ChartDisplay(Chart->Model(), quorvel::SweepChartTexts(XAxisMode(), YAxisMode()).curves,
                          quorvel::SweepCurves(engine_));
    std::vector<quorvel::ChartXBand> bands;
    if (MarkCarbon()) {
        bands = quorvel::CarbonFormationBands(engine_);
    }
    // The shading is explained under the plot while the chart shows any.
    quorvel::ShowCarbonBandNote(Chart->Model(), !bands.empty());
    Chart->Model().SetXBands(std::move(bands));
}

quorvel::SweptParameter MainWindow::XAxisMode() const {
    return Panel->XAxisMode();
}

quorvel::ResultView MainWindow::YAxisMode() const {
    return Panel->YAxisMode();
}

// ---- Layout ----

void MainWindow::FormResize() {
    const int clientWidth = client_->width();
    const int clientHeight = client_->height();
    const quorvel::MainLayout layout = quorvel::ComputeMainLayout(clientWidth, clientHeight);
    auto size = [](int value) { return std::max(0, value); };

    Memo->setGeometry(-1, 0, size(layout.memoWidth), size(layout.memoHeight));
    Chart->setGeometry(layout.chartLeft, ChartTop, size(layout.chartWidth),
                       size(layout.chartHeight));
    PanelReaction->setGeometry(layout.reactionLeft, 0, size(layout.reactionWidth),
                               quorvel::ReactionStripHeight);
    Image1->setGeometry(1, 1, size(layout.reactionWidth - 2), quorvel::ReactionStripHeight - 2);
    // The bottom panel is anchored to the left, right and bottom edges.
    Panel->setGeometry(0, clientHeight - quorvel::BottomPanelHeight - PanelMargin,
                       size(clientWidth - PanelMargin), quorvel::BottomPanelHeight);
    Panel->PlaceRadioGroups(layout);
}

// ---- Events ----

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event) {
    // A double click on the title bar neither maximises nor restores the window. Qt
    // reports it here only where it draws the frame itself; on X11 the window manager
    // owns the title bar and handles the double click on its own.
    if (event->type() == QEvent::NonClientAreaMouseButtonDblClick) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
#ifdef Q_OS_WIN
    // WM_NCLBUTTONDBLCLK: swallowed, not passed on to the default window procedure.
    if (eventType == "windows_generic_MSG" &&
        static_cast<MSG*>(message)->message == WM_NCLBUTTONDBLCLK) {
        *result = 0;
        return true;
    }
#endif
    return QMainWindow::nativeEvent(eventType, message, result);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first display counts as the window's first activation.
    if (!firstCycleDone_) {
        firstCycleDone_ = true;
        FormActivate();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit Closed();
    }
}

void MainWindow::FocusWindowChanged(QWindow* window) {
    quorvel::WindowKind kind = quorvel::ClassifyWindow(window, windowHandle());
    // The help viewer stands for the desktop's help program, a separate application:
    // coming back from it is not a return from a window of this program.
    if (helpViewer_ != nullptr && window != nullptr && window == helpViewer_->windowHandle()) {
        kind = quorvel::WindowKind::None;
    }
    if (activation_.FocusMovedTo(kind) && firstCycleDone_) {
        FormActivate();
    }
}

} // namespace quorvel
