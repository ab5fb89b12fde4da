#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QStyledItemDelegate>
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
#include "report/SweepCaptions.h"
#include "report/TableFile.h"
#include "ui/CarbonBands.h"
#include "ui/CarbonLimitWindow.h"
#include "ui/CarbonOptions.h"
#include "ui/CenteredMessageBox.h"
#include "ui/ExportActions.h"
#include "ui/HelpViewer.h"
#include "ui/LayoutRule.h"
#include "ui/MemoViewState.h"
#include "ui/OptionsMenu.h"
#include "ui/ParameterEntry.h"
#include "ui/RadioGroup.h"
#include "ui/ReadoutFigures.h"
#include "ui/TAboutBox.h"
#include "ui/TDataForm.h"
#include "ui/TablePrinter.h"
#include "views/ReformingChartView.h"
#include "views/SweepChart.h"

namespace quorvel {

namespace {

const QString WindowFontFamily = QStringLiteral("PROMT Helv Cyr");
constexpr int WindowFontPixels = 11;
constexpr int PanelFontPixels = 12;
const QString MemoFontFamily = QStringLiteral("Courier New");
constexpr int MemoFontPixels = 12;
constexpr int DesignLeft = 284;
constexpr int DesignTop = 271;
constexpr int ChartTop = 26;
constexpr int RadioGroupTop = 1;
constexpr int RadioGroupHeight = 92;
constexpr int PanelMargin = 1; // the bottom panel keeps one pixel to the right and bottom
constexpr int EntryItemHeight = 15;
constexpr int EntryDropDownCount = 8; // items shown at once in an open list

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QString ConversionErrorText() {
    return QStringLiteral("Ошибка преобразования строк (Ошибка ввода числа)");
}

// The caption of the program's own error reports: the application's name, as the
// desktop's default error report shows it.
QString ApplicationCaption() {
    return QCoreApplication::applicationName();
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

} // namespace

TMainForm::TMainForm(quorvel::Engine& engine, const QLocale& locale, QWidget* parent)
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

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TMainForm::FocusWindowChanged);
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate() {
    quorvel::InitialSetData(engine_);
}

void TMainForm::CreateControls() {
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
        return quorvel::ReadoutText(quorvel::SweptParameterName(XAxisMode()), readout,
                                    DecimalSeparator(),
                                    quorvel::ReadoutFigures(engine_, readout.x));
    });

    Panel = new QFrame(client_);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel->setLineWidth(1);
    Panel->setFont(PixelFont(WindowFontFamily, PanelFontPixels));
    Panel->setGeometry(0, 293, 667, quorvel::BottomPanelHeight);
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

    StaticText1 = new QLabel(QStringLiteral("Постоянные параметры процесса"), Panel);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(19, 2, 200, 19);

    LabelRatio = new QLabel(ParameterName(quorvel::SweptParameter::Ratio), Panel);
    LabelRatio->setObjectName(QStringLiteral("LabelRatio"));
    LabelRatio->setGeometry(11, 23, 141, 15);
    LabelTemperature = new QLabel(ParameterName(quorvel::SweptParameter::Temperature), Panel);
    LabelTemperature->setObjectName(QStringLiteral("LabelTemperature"));
    LabelTemperature->setGeometry(11, 45, 121, 15);
    LabelPressure = new QLabel(ParameterName(quorvel::SweptParameter::Pressure), Panel);
    LabelPressure->setObjectName(QStringLiteral("LabelPressure"));
    LabelPressure->setGeometry(11, 68, 83, 15);

    ComboBoxRatio =
        CreateEntry(Panel, QStringLiteral("ComboBoxRatio"),
                    CommaItems({"0,2", "0,4", "0,6", "0,8", "1,0", "1,2", "1,4", "1,6", "1,8",
                                "2,0", "2,2", "2,4", "2,6", "2,8", "3,0", "3,5", "4,0"}),
                    QStringLiteral("2,5"), 20);
    ComboBoxTemperature =
        CreateEntry(Panel, QStringLiteral("ComboBoxTemperature"),
                    CommaItems({"700", "720", "740", "760", "780", "800", "820", "840", "860",
                                "880", "900", "920", "940", "960", "980", "", ""}),
                    QStringLiteral("860"), 43);
    ComboBoxPressure =
        CreateEntry(Panel, QStringLiteral("ComboBoxPressure"),
                    CommaItems({"15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25"}),
                    QStringLiteral("25"), 66);

    entries_[0].box = ComboBoxRatio;
    entries_[0].label = LabelRatio;
    entries_[0].value = &engine_.InputRatio;
    entries_[0].bounds = quorvel::RatioBounds();
    entries_[1].box = ComboBoxTemperature;
    entries_[1].label = LabelTemperature;
    entries_[1].value = &engine_.InputTemperature;
    entries_[1].bounds = quorvel::TemperatureBounds();
    entries_[2].box = ComboBoxPressure;
    entries_[2].label = LabelPressure;
    entries_[2].value = &engine_.processConditions.InputPressure;
    entries_[2].bounds = quorvel::PressureBounds();
    for (Entry& entry : entries_) {
        entry.lastGoodText = entry.box->currentText();
    }
    for (Entry& entry : entries_) {
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
    RadioGroupAxisY = new RadioGroup(QStringLiteral("Ось Y"), viewItems, Panel);
    RadioGroupAxisY->setObjectName(QStringLiteral("RadioGroupAxisY"));
    RadioGroupAxisY->setGeometry(248, RadioGroupTop, 226, RadioGroupHeight);
    QStringList sweepItems;
    for (const quorvel::SweptParameter parameter : quorvel::AllSweptParameters) {
        sweepItems << QString::fromUtf8(quorvel::CaptionsOf(parameter).name);
    }
    RadioGroupAxisX = new RadioGroup(QStringLiteral("Ось X"), sweepItems, Panel);
    RadioGroupAxisX->setObjectName(QStringLiteral("RadioGroupAxisX"));
    RadioGroupAxisX->setGeometry(475, RadioGroupTop, 188, RadioGroupHeight);
    connect(RadioGroupAxisY, &RadioGroup::ItemChosen, this, [this] { FormActivate(); });
    connect(RadioGroupAxisX, &RadioGroup::ItemChosen, this, [this] { FormActivate(); });

    // Tab order: the table, the chart (whose readout the arrow keys then move), the two
    // radio groups, then the three entries. The bottom panel, which holds the focus at
    // start, stands just before the radio groups, so the first Tab goes to them.
    setTabOrder(Memo, Chart);
    setTabOrder(Chart, Panel);
    QWidget* previous = Panel;
    for (RadioGroup* group : {RadioGroupAxisY, RadioGroupAxisX}) {
        for (int i = 0; i < 3; ++i) {
            setTabOrder(previous, group->Button(i));
            previous = group->Button(i);
        }
    }
    for (QComboBox* box : {ComboBoxRatio, ComboBoxTemperature, ComboBoxPressure}) {
        setTabOrder(previous, box);
        previous = box;
    }

    // No entry has the focus at start: the bottom panel holds it.
    Panel->setFocusPolicy(Qt::ClickFocus);
    Panel->setFocus();
}

ParameterEntry* TMainForm::CreateEntry(QWidget* parent, const QString& name,
                                       const QStringList& commaItems, const QString& commaText,
                                       int top) {
    auto* box = new ParameterEntry(locale_, parent);
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

void TMainForm::CreateMenu() {
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    FileSaveAsItem = FileMenu->addAction(QStringLiteral("Save &As..."), this, &TMainForm::SaveAs);
    FileSaveAsItem->setObjectName(QStringLiteral("FileSaveAsItem"));
    exports_ = new ExportActions(
        *Chart, *printer_,
        {[this] { return MemoLines(); },
         [this] { return quorvel::CsvExportLines(engine_, XAxisMode(), YAxisMode()); },
         [this](QPrinter& printer) { return PrintMemo(printer); },
         [this](const QString& text) { ShowError(ApplicationCaption(), text); },
         [this] {
             return quorvel::ChartCaptionLines(engine_, XAxisMode(),
                                               locale_.decimalPoint().front());
         }},
        this);
    FileExportCsvItem =
        FileMenu->addAction(QStringLiteral("&Export CSV..."), exports_, &ExportActions::ExportCsv);
    FileExportCsvItem->setObjectName(QStringLiteral("FileExportCsvItem"));
    FileSaveChartItem = FileMenu->addAction(QStringLiteral("Save &Chart Picture..."), exports_,
                                            &ExportActions::SaveChartPicture);
    FileSaveChartItem->setObjectName(QStringLiteral("FileSaveChartItem"));
    FileMenu->addSeparator();
    FilePrintItem = FileMenu->addAction(QStringLiteral("&Print"), this, &TMainForm::Print);
    FilePrintItem->setObjectName(QStringLiteral("FilePrintItem"));
    FilePrintPreviewItem = FileMenu->addAction(QStringLiteral("Print Pre&view..."), exports_,
                                               &ExportActions::PrintPreview);
    FilePrintPreviewItem->setObjectName(QStringLiteral("FilePrintPreviewItem"));
    FilePrintSetupItem =
        FileMenu->addAction(QStringLiteral("P&rint Setup..."), this, &TMainForm::FilePrintSetup);
    FilePrintSetupItem->setObjectName(QStringLiteral("FilePrintSetupItem"));
    FileMenu->addSeparator();
    FileExitItem = FileMenu->addAction(QStringLiteral("E&xit"), this, &TMainForm::FileExit);
    FileExitItem->setObjectName(QStringLiteral("FileExitItem"));

    saveDialog_ = new QFileDialog(this);
    saveDialog_->setObjectName(QStringLiteral("SaveDialog"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_->setNameFilters(SaveFilters());
    saveDialog_->selectNameFilter(SaveFilters().front());
    saveDialog_->setDefaultSuffix(QStringLiteral("txt"));
}

void TMainForm::AttachDialogs(TAboutBox* aboutBox, TDataForm* dataForm) {
    aboutBox_ = aboutBox;
    dataForm_ = dataForm;
    if (EditMenu == nullptr) {
        EditMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
        EditMenu->setObjectName(QStringLiteral("EditMenu"));
        EditStructureConvertibleGasItem =
            EditMenu->addAction(QStringLiteral("Structure of convertible gas"), this,
                                &TMainForm::EditStructureConvertibleGasItemClick);
        EditStructureConvertibleGasItem->setObjectName(
            QStringLiteral("EditStructureConvertibleGasItem"));
        // Ctrl+C stays with the table and the entries, which copy their selection with
        // it; the window's copy commands take Ctrl+Shift and the letter of each one.
        EditMenu->addSeparator();
        EditCopyTableItem =
            EditMenu->addAction(QStringLiteral("&Copy Table"), exports_, &ExportActions::CopyTable);
        EditCopyTableItem->setObjectName(QStringLiteral("EditCopyTableItem"));
        EditCopyTableItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        EditCopyChartItem =
            EditMenu->addAction(QStringLiteral("Copy C&hart"), exports_, &ExportActions::CopyChart);
        EditCopyChartItem->setObjectName(QStringLiteral("EditCopyChartItem"));
        EditCopyChartItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));

        // Between Edit and Help; the remembered choice holds from the first cycle on.
        OptionsMenu = new quorvel::OptionsMenu(menuBar(), this);
        engine_.constants = OptionsMenu->StandardData() ? quorvel::ConstantsSource::Standard
                                                        : quorvel::ConstantsSource::Builtin;
        connect(OptionsMenu, &quorvel::OptionsMenu::StandardDataChanged, this,
                &TMainForm::OptionsStandardDataClick);
        carbonOptions_ = new quorvel::CarbonOptions(OptionsMenu->Menu(), this);
        connect(carbonOptions_, &quorvel::CarbonOptions::MarkCarbonChanged, this,
                &TMainForm::OptionsMarkCarbonClick);
        connect(carbonOptions_, &quorvel::CarbonOptions::CarbonLimitRequested, this,
                &TMainForm::OptionsCarbonLimitClick);
        exports_->AddCaptionOption(OptionsMenu->Menu());

        HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
        HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
        HelpContentsItem =
            HelpMenu->addAction(QStringLiteral("&Contents"), this, &TMainForm::HelpContents);
        HelpContentsItem->setObjectName(QStringLiteral("HelpContentsItem"));
        HelpHowToUseItem =
            HelpMenu->addAction(QStringLiteral("&How to Use Help"), this, &TMainForm::HelpHowToUse);
        HelpHowToUseItem->setObjectName(QStringLiteral("HelpHowToUseItem"));
        HelpMenu->addSeparator();
        HelpAboutItem =
            HelpMenu->addAction(QStringLiteral("&About..."), this, &TMainForm::HelpAbout);
        HelpAboutItem->setObjectName(QStringLiteral("HelpAboutItem"));
    }
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

void TMainForm::SetMessageHook(MessageHook hook) {
    messageHook_ = std::move(hook);
}

void TMainForm::ShowError(const QString& caption, const QString& text) {
    if (messageHook_) {
        messageHook_(caption, text);
        return;
    }
    // No parent: the box blocks the whole program.
    quorvel::ShowCenteredMessage(QMessageBox::Critical, caption, text);
}

// ---- The recalculation cycle ----

void TMainForm::FormActivate() {
    if (inCycle_) {
        return; // a cycle runs to its end before another may start
    }
    inCycle_ = true;
    ++cycleCount_;
    try {
        ConstructionChart();
        quorvel::RunSweep(engine_, XAxisMode(), YAxisMode());
        SaveToMemo();
        ChartDisplay();
        if (carbonLimitWindow_ != nullptr && carbonLimitWindow_->isVisible()) {
            carbonLimitWindow_->Recalculate(engine_);
        }
    } catch (const quorvel::FloatingPointError& error) {
        // The table and the curves keep what the previous cycle left.
        ShowError(ApplicationCaption(), QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        ShowError(ApplicationCaption(), QString::fromUtf8(error.what()));
    }
    inCycle_ = false;
}

void TMainForm::ConstructionChart() {
    ComboBoxChange();
    const quorvel::SweptParameter xMode = XAxisMode();
    quorvel::ConstructionChart(Chart->Model(), quorvel::SweepChartTexts(xMode, YAxisMode()),
                               [this] { Chart->RepaintNow(); });
    // The swept parameter's entry is hidden; its text is still read every cycle.
    for (int i = 0; i < 3; ++i) {
        const bool shown = i != quorvel::IndexOf(xMode);
        entries_[i].label->setVisible(shown);
        entries_[i].box->setVisible(shown);
    }
}

bool TMainForm::ComboBoxChange() {
    const int hiddenEntry = quorvel::IndexOf(XAxisMode());
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        Entry& entry = entries_[static_cast<size_t>(i)];
        const std::optional<double> number =
            quorvel::ParseEntryNumber(entry.box->currentText(), locale_);
        if (!number && i == hiddenEntry) {
            // The swept parameter's entry is hidden, so the user could neither see nor
            // mend its text: it silently gets back the text of its last good value, which
            // its value still holds, and ends any edit.
            SetEntryTextFromProgram(entry, entry.lastGoodText);
            entry.Tag = 0;
            entry.changeBound = true;
            continue;
        }
        if (!number) {
            // The later entries are not read; every value keeps its last good one.
            ShowError(QStringLiteral("Error"), ConversionErrorText());
            return false;
        }
        const quorvel::ClampResult clamped =
            quorvel::ClampEntryValue(*number, entry.bounds, locale_);
        *entry.value = clamped.value;
        if (clamped.replacementText) {
            SetEntryTextFromProgram(entry, *clamped.replacementText);
        }
        entry.lastGoodText = entry.box->currentText();
        entry.box->SetConfirmedText(entry.lastGoodText);
    }
    return true;
}

QChar TMainForm::DecimalSeparator() const {
    const QString separator = locale_.decimalPoint();
    return separator.isEmpty() ? QChar(u'.') : separator.front();
}

void TMainForm::SaveToMemo() {
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

void TMainForm::ChartDisplay() {
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

// A radio group always has one item chosen; were none, the first item stands for it.
quorvel::SweptParameter TMainForm::XAxisMode() const {
    return quorvel::SweptParameterAt(RadioGroupAxisX->ItemIndex())
        .value_or(quorvel::SweptParameter::Ratio);
}

quorvel::ResultView TMainForm::YAxisMode() const {
    return quorvel::ResultViewAt(RadioGroupAxisY->ItemIndex()).value_or(quorvel::ResultView::Dry);
}

// ---- Layout ----

void TMainForm::FormResize() {
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
    RadioGroupAxisY->setGeometry(layout.axisYLeft, RadioGroupTop, size(layout.axisYWidth),
                                 RadioGroupHeight);
    RadioGroupAxisX->setGeometry(layout.axisXLeft, RadioGroupTop, size(layout.axisXWidth),
                                 RadioGroupHeight);
}

// ---- Entries ----

TMainForm::Entry* TMainForm::FindEntry(const QObject* object) {
    for (Entry& entry : entries_) {
        if (entry.box == object) {
            return &entry;
        }
    }
    return nullptr;
}

const TMainForm::Entry* TMainForm::FindEntry(const QObject* object) const {
    for (const Entry& entry : entries_) {
        if (entry.box == object) {
            return &entry;
        }
    }
    return nullptr;
}

int TMainForm::EntryTag(const QComboBox* entry) const {
    const Entry* found = FindEntry(entry);
    return found != nullptr ? found->Tag : -1;
}

bool TMainForm::EntryChangeBound(const QComboBox* entry) const {
    const Entry* found = FindEntry(entry);
    return found != nullptr && found->changeBound;
}

void TMainForm::EntryChanged(Entry& entry) {
    if (entry.changeBound) {
        FormActivate();
    }
}

void TMainForm::SetEntryTextFromProgram(Entry& entry, const QString& text) {
    // Sets the text only; the change event fires for the user's changes alone.
    entry.box->setEditText(text);
}

void TMainForm::ComboBoxRatioClick(QComboBox* box) {
    if (Entry* entry = FindEntry(box)) {
        entry->Tag = 0;
        entry->changeBound = true;
        entry->box->SetConfirmedText(entry->box->currentText());
    }
}

bool TMainForm::ComboBoxRatioKeyDown(QComboBox* box, int key) {
    Entry* entry = FindEntry(box);
    if (entry == nullptr) {
        return false;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        entry->Tag = 0;
        entry->changeBound = true;
        FormActivate();
        return true;
    }
    if (key == Qt::Key_Escape) {
        // Only an edit of this entry is undone, with the text this entry had when it
        // began; an idle entry keeps its text.
        if (entry->Tag == 1) {
            SetEntryTextFromProgram(*entry, entry->savedText);
        }
        entry->Tag = 0;
        entry->changeBound = true;
        return true;
    }
    // Any other key starts an edit: remember the text as it was before the key acts and
    // stop the change event, so that typing does not recalculate at every key.
    if (entry->Tag == 0) {
        savedEntryText_ = box->currentText();
        entry->savedText = savedEntryText_;
        entry->Tag = 1;
        entry->changeBound = false;
    }
    return false;
}

// ---- Events ----

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        FormResize();
    } else if (event->type() == QEvent::KeyPress) {
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
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::event(QEvent* event) {
    // A double click on the title bar neither maximises nor restores the window. Qt
    // reports it here only where it draws the frame itself; on X11 the window manager
    // owns the title bar and handles the double click on its own.
    if (event->type() == QEvent::NonClientAreaMouseButtonDblClick) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
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

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first display counts as the window's first activation.
    if (!firstCycleDone_) {
        firstCycleDone_ = true;
        FormActivate();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit Closed();
    }
}

void TMainForm::FocusWindowChanged(QWindow* window) {
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

// ---- File menu ----

QStringList TMainForm::SaveFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Data Files (*.dat)"),
            QStringLiteral("Result Files (*.res)")};
}

QStringList TMainForm::MemoLines() const {
    const QString text = Memo->toPlainText();
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool TMainForm::SaveMemoToFile(const QString& fileName) {
    QString error;
    if (!quorvel::SaveTableFile(fileName, MemoLines(), &error)) {
        ShowError(ApplicationCaption(), error);
        return false;
    }
    return true;
}

void TMainForm::SaveAs() {
    // The dialog keeps its directory and offers the name chosen last time; replacing an
    // existing file is confirmed first.
    if (saveDialog_->exec() != QDialog::Accepted) {
        return;
    }
    const QStringList chosen = saveDialog_->selectedFiles();
    if (chosen.isEmpty()) {
        return;
    }
    saveDialog_->selectFile(chosen.front());
    SaveMemoToFile(chosen.front());
}

bool TMainForm::PrintMemo(QPrinter& printer) {
    QString error;
    if (!quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(Memo->font()), MemoLines(),
                                 &error)) {
        ShowError(ApplicationCaption(), error);
        return false;
    }
    return true;
}

void TMainForm::Print() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PrintMemo(*printer_);
}

void TMainForm::FilePrintSetup() {
    // The same printer object serves later printing, so the settings stay chosen.
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void TMainForm::FileExit() {
    close();
}

// ---- Edit, Options and Help menus ----

void TMainForm::OptionsStandardDataClick(bool standard) {
    engine_.constants =
        standard ? quorvel::ConstantsSource::Standard : quorvel::ConstantsSource::Builtin;
    FormActivate();
}

void TMainForm::OptionsMarkCarbonClick(bool) {
    FormActivate();
}

bool TMainForm::MarkCarbon() const {
    return carbonOptions_ != nullptr && carbonOptions_->MarkCarbon();
}

void TMainForm::OptionsCarbonLimitClick() {
    if (carbonLimitWindow_ == nullptr) {
        carbonLimitWindow_ = new quorvel::CarbonLimitWindow(locale_, this);
        carbonLimitWindow_->PlaceOnScreenOf(this);
    }
    carbonLimitWindow_->Recalculate(engine_);
    carbonLimitWindow_->show();
    carbonLimitWindow_->raise();
    carbonLimitWindow_->activateWindow();
}

void TMainForm::EditStructureConvertibleGasItemClick() {
    if (dataForm_ == nullptr) {
        return;
    }
    dataForm_->Present();
}

void TMainForm::HelpContents() {
    if (helpViewer_ == nullptr) {
        helpViewer_ = new HelpViewer(this);
    }
    helpViewer_->ShowContents(HelpFileCandidates());
}

void TMainForm::HelpHowToUse() {
    if (helpViewer_ == nullptr) {
        helpViewer_ = new HelpViewer(this);
    }
    helpViewer_->ShowHowToUse();
}

void TMainForm::HelpAbout() {
    if (aboutBox_ != nullptr) {
        aboutBox_->exec();
    }
}

} // namespace quorvel
