#include "ui/train/TrainWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/ChartModel.h"
#include "chart/widget/TChart.h"
#include "engine/FloatingPointError.h"
#include "engine/InletEnthalpy.h"
#include "engine/TrainExamples.h"
#include "report/TrainFigures.h"
#include "report/TrainReport.h"
#include "ui/main/EntryConversion.h"
#include "ui/train/TrainStageForm.h"
#include "views/ReformingChartView.h"

namespace quorvel {

namespace {

constexpr int WindowWidth = 1180;
constexpr int WindowHeight = 760;
constexpr int TableFontPixels = 12;
constexpr int DryShownCount = 4; // CH4, CO, CO2, H2 on the composition chart

QDoubleSpinBox* NumberBox(QWidget* parent, double lowest, double highest, int decimals) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(lowest, highest);
    box->setDecimals(decimals);
    box->setKeyboardTracking(false);
    return box;
}

void ConfigureTrainChart(TChart& chart, const QString& title, const QString& leftAxis,
                         const QString& bottomAxis) {
    ChartModel& model = chart.Model();
    ConfigureReformingChart(model);
    model.Title().SetText({title, QString()});
    model.Foot().SetText({});
    model.LeftAxis().SetTitleCaption(leftAxis);
    model.BottomAxis().SetTitleCaption(bottomAxis);
}

} // namespace

TrainWindow::TrainWindow(const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), locale_(locale), workspace_(std::make_unique<TrainWorkspace>()),
      result_(std::make_unique<TrainResult>()) {
    setObjectName(QStringLiteral("TrainWindow"));
    setWindowTitle(QStringLiteral("Технологическая схема"));
    setWindowFlag(Qt::Window);
    *result_ = {};

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);

    auto* caseGroup = new QGroupBox(QStringLiteral("Исходный газ и пар"), left);
    auto* caseForm = new QFormLayout(caseGroup);
    feedLabel_ = new QLabel(caseGroup);
    feedLabel_->setWordWrap(true);
    caseForm->addRow(feedLabel_);
    capacityKind_ = new QComboBox(caseGroup);
    capacityKind_->addItems({QStringLiteral("исходный газ, кмоль/ч"),
                             QStringLiteral("исходный газ, нм³/ч"),
                             QStringLiteral("водород, нм³/ч")});
    capacity_ = NumberBox(caseGroup, 0.001, 1e9, 2);
    caseForm->addRow(capacityKind_, capacity_);
    feedTemperature_ = NumberBox(caseGroup, InletCelsiusLowest, InletCelsiusHighest, 1);
    caseForm->addRow(QStringLiteral("Исходный газ, °C:"), feedTemperature_);
    steamKind_ = new QComboBox(caseGroup);
    steamKind_->addItems({QStringLiteral("пар/углерод"), QStringLiteral("пар, моль на моль газа")});
    steam_ = NumberBox(caseGroup, 0.01, 20, 3);
    caseForm->addRow(steamKind_, steam_);
    steamTemperature_ = NumberBox(caseGroup, InletCelsiusLowest, InletCelsiusHighest, 1);
    caseForm->addRow(QStringLiteral("Пар, °C:"), steamTemperature_);
    leftLayout->addWidget(caseGroup);

    auto* stagesGroup = new QGroupBox(QStringLiteral("Ступени"), left);
    auto* stagesLayout = new QVBoxLayout(stagesGroup);
    stageList_ = new QListWidget(stagesGroup);
    stageList_->setObjectName(QStringLiteral("TrainStageList"));
    stagesLayout->addWidget(stageList_);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, auto slot) {
        auto* b = new QPushButton(text, stagesGroup);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button(QStringLiteral("&Add"), [this] { AddStage(); });
    button(QStringLiteral("&Remove"), [this] { RemoveStage(); });
    button(QStringLiteral("&Up"), [this] { MoveStage(-1); });
    button(QStringLiteral("&Down"), [this] { MoveStage(1); });
    stagesLayout->addLayout(buttons);
    leftLayout->addWidget(stagesGroup, 1);
    form_ = new TrainStageForm(left);
    leftLayout->addWidget(form_);

    auto* right = new QSplitter(Qt::Vertical, splitter);
    table_ = new QTableWidget(right);
    table_->setObjectName(QStringLiteral("TrainResultsTable"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(TableFontPixels);
    table_->setFont(font);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* charts = new QWidget(right);
    auto* chartsLayout = new QHBoxLayout(charts);
    chartsLayout->setContentsMargins(0, 0, 0, 0);
    temperatureChart_ = new TChart(charts);
    ConfigureTrainChart(*temperatureChart_, QStringLiteral("Температура по схеме"),
                        QStringLiteral("Температура, град. С"),
                        QStringLiteral("Ступень (вход - выход)"));
    compositionChart_ = new TChart(charts);
    ConfigureTrainChart(*compositionChart_, QStringLiteral("Сухой газ на выходе ступеней"),
                        QStringLiteral("Состав, % об."), QStringLiteral("Ступень"));
    chartsLayout->addWidget(temperatureChart_);
    chartsLayout->addWidget(compositionChart_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"), this, &TrainWindow::NewCase);
    file->addAction(QStringLiteral("&Open..."), this, &TrainWindow::Open);
    file->addAction(QStringLiteral("&Save"), this, &TrainWindow::Save);
    file->addAction(QStringLiteral("Save &As..."), this, &TrainWindow::SaveAs);
    file->addSeparator();
    file->addAction(QStringLiteral("&Export CSV..."), this, &TrainWindow::ExportCsv);
    file->addAction(QStringLiteral("&Print..."), this, &TrainWindow::Print);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QWidget::close);

    connect(stageList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0 && row < case_.train.stageCount) {
            form_->SetStage(case_.train.stages[row]);
        }
    });
    connect(form_, &TrainStageForm::StageEdited, this, [this] {
        const int row = stageList_->currentRow();
        if (row >= 0 && row < case_.train.stageCount) {
            case_.train.stages[row] = form_->Stage();
            ShowStageList();
            Recalculate();
        }
    });
    for (QComboBox* box : {capacityKind_, steamKind_}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ReadCaseFields(); });
    }
    for (QDoubleSpinBox* box : {capacity_, feedTemperature_, steam_, steamTemperature_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { ReadCaseFields(); });
    }
    // Every number field reads and shows the window's decimal separator, as the table does.
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>())
        box->setLocale(locale_);
    resize(WindowWidth, WindowHeight);
    SetCase({QStringLiteral("Ammonia front end"), AmmoniaFrontEndExample()});
}

TrainWindow::~TrainWindow() = default;

void TrainWindow::SetMainWindowFeed(const FeedComposition& feed, double steamMolPerMolFeed) {
    mainFeed_ = feed;
    mainSteam_ = steamMolPerMolFeed;
    mainFeedGiven_ = true;
}

void TrainWindow::NewCase() {
    TrainCaseFile file{QString(), AmmoniaFrontEndExample()};
    if (mainFeedGiven_) {
        file.train.feed = mainFeed_;
        file.train.steamKind = SteamAmountKind::MolPerMolFeed;
        file.train.steamValue = mainSteam_;
    }
    fileName_.clear();
    SetCase(file);
}

void TrainWindow::SetCase(const TrainCaseFile& file) {
    case_ = file;
    FillFromCase();
    Recalculate();
}

void TrainWindow::FillFromCase() {
    filling_ = true;
    const TrainCase& t = case_.train;
    capacityKind_->setCurrentIndex(static_cast<int>(t.capacityKind));
    capacity_->setValue(t.capacity);
    feedTemperature_->setValue(t.feedTemperatureC);
    steamKind_->setCurrentIndex(static_cast<int>(t.steamKind));
    steam_->setValue(t.steamValue);
    steamTemperature_->setValue(t.steamTemperatureC);
    QStringList parts;
    const char* names[] = {"CH4", "C2H6", "C3H8", "C4H10", "N2", "CO", "CO2", "H2", "H2O"};
    for (int i = 0; i < FeedComponentCount; ++i) {
        if (t.feed[i] != 0) {
            parts << QStringLiteral("%1 %2").arg(QLatin1String(names[i]),
                                                 locale_.toString(t.feed[i], 'g', 6));
        }
    }
    feedLabel_->setText(QStringLiteral("Исходный газ, % об.: ") + parts.join(QStringLiteral(", ")));
    ShowStageList();
    stageList_->setCurrentRow(t.stageCount > 0 ? 0 : -1);
    if (t.stageCount > 0) {
        form_->SetStage(t.stages[0]);
    }
    filling_ = false;
}

void TrainWindow::ReadCaseFields() {
    if (filling_) {
        return;
    }
    TrainCase& t = case_.train;
    t.capacityKind = static_cast<CapacityKind>(capacityKind_->currentIndex());
    t.capacity = capacity_->value();
    t.feedTemperatureC = feedTemperature_->value();
    t.steamKind = static_cast<SteamAmountKind>(steamKind_->currentIndex());
    t.steamValue = steam_->value();
    t.steamTemperatureC = steamTemperature_->value();
    Recalculate();
}

void TrainWindow::ShowStageList() {
    const bool wasFilling = filling_;
    filling_ = true;
    const int row = stageList_->currentRow();
    stageList_->clear();
    for (int i = 0; i < case_.train.stageCount; ++i) {
        stageList_->addItem(
            QStringLiteral("%1. %2").arg(i + 1).arg(StageKindName(case_.train.stages[i].kind)));
    }
    stageList_->setCurrentRow(std::min(row, case_.train.stageCount - 1));
    filling_ = wasFilling;
}

void TrainWindow::AddStage() {
    TrainCase& t = case_.train;
    if (t.stageCount >= TrainStageCapacity) {
        return;
    }
    const int row = stageList_->currentRow();
    const int at = row < 0 ? t.stageCount : row + 1;
    // A copy of the selected stage, or an adiabatic shift converter at the end.
    TrainStage added =
        row >= 0 ? t.stages[row] : ExampleStage(StageKind::Shift, 340, 30, ThermalKind::Adiabatic);
    for (int i = t.stageCount; i > at; --i) {
        t.stages[i] = t.stages[i - 1];
    }
    t.stages[at] = added;
    ++t.stageCount;
    ShowStageList();
    stageList_->setCurrentRow(at);
    Recalculate();
}

void TrainWindow::RemoveStage() {
    TrainCase& t = case_.train;
    const int row = stageList_->currentRow();
    if (row < 0 || t.stageCount <= 1) {
        return; // a train keeps at least one stage
    }
    for (int i = row; i + 1 < t.stageCount; ++i) {
        t.stages[i] = t.stages[i + 1];
    }
    --t.stageCount;
    ShowStageList();
    stageList_->setCurrentRow(std::min(row, t.stageCount - 1));
    form_->SetStage(t.stages[stageList_->currentRow()]);
    Recalculate();
}

void TrainWindow::MoveStage(int step) {
    TrainCase& t = case_.train;
    const int row = stageList_->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= t.stageCount) {
        return;
    }
    std::swap(t.stages[row], t.stages[to]);
    ShowStageList();
    stageList_->setCurrentRow(to);
    Recalculate();
}

void TrainWindow::Recalculate() {
    faultText_.clear();
    try {
        SolveTrain(case_.train, *workspace_, *result_);
    } catch (const FloatingPointError& error) {
        faultText_ = QString::fromUtf8(error.what());
        result_->solvedCount = 0;
        for (int s = 0; s < result_->stageCount; ++s) {
            result_->stages[s].failure = StageFailure::NotComputed;
        }
    }
    ++recalculations_;
    ShowResults();
}

QStringList TrainWindow::TableLines() const {
    QStringList lines = TrainTableLines(case_, *result_, DecimalSeparatorOf(locale_));
    if (!faultText_.isEmpty()) {
        lines.prepend(faultText_);
    }
    return lines;
}

void TrainWindow::ShowResults() {
    const TrainCase& t = case_.train;
    const TrainResult& r = *result_;
    const QStringList rows = {QStringLiteral("Состояние"),
                              QStringLiteral("Вход, °C"),
                              QStringLiteral("Выход, °C"),
                              QStringLiteral("Давление, бар"),
                              QStringLiteral("Тепло, кВт"),
                              QStringLiteral("Тепло, кДж/моль газа"),
                              QStringLiteral("Теплообменник, кВт"),
                              QStringLiteral("Окислитель, моль/моль"),
                              QStringLiteral("CH4 сух., %"),
                              QStringLiteral("CO сух., %"),
                              QStringLiteral("CO2 сух., %"),
                              QStringLiteral("H2 сух., %"),
                              QStringLiteral("N2 сух., %"),
                              QStringLiteral("Ar сух., %"),
                              QStringLiteral("H2O влажн., %"),
                              QStringLiteral("Газ, кмоль/ч"),
                              QStringLiteral("Газ, нм³/ч"),
                              QStringLiteral("Конверсия CH4, %"),
                              QStringLiteral("H2/CO"),
                              QStringLiteral("(H2+CO)/N2"),
                              QStringLiteral("Активность C")};
    table_->clear();
    table_->setRowCount(static_cast<int>(rows.size()));
    table_->setColumnCount(r.stageCount);
    table_->setVerticalHeaderLabels(rows);
    const auto number = [this](double v, int decimals) {
        if (!std::isfinite(v)) {
            return QStringLiteral("∞");
        }
        // A duty that rounds to zero (an adiabatic stage's 1e-9 J) shows no minus sign.
        const QString zero = locale_.toString(0.0, 'f', decimals);
        const QString text = locale_.toString(v, 'f', decimals);
        return text == QLatin1Char('-') + zero ? zero : text;
    };
    temperatureChart_->Model().BeginLoading();
    compositionChart_->Model().BeginLoading();
    for (int i = 0; i < 4; ++i) {
        temperatureChart_->Model().Series(i).ClearPoints();
        compositionChart_->Model().Series(i).ClearPoints();
    }
    temperatureChart_->Model().Series(0).SetTitle(QStringLiteral("Температура"));
    for (int i = 1; i < 4; ++i) {
        temperatureChart_->Model().Series(i).SetActive(false);
    }
    const char* dryTitles[DryShownCount] = {"CH4", "CO", "CO2", "H2"};
    for (int i = 0; i < DryShownCount; ++i) {
        compositionChart_->Model().Series(i).SetTitle(QLatin1String(dryTitles[i]));
    }
    QStringList headers;
    for (int s = 0; s < r.stageCount; ++s) {
        headers << QStringLiteral("%1. %2").arg(s + 1).arg(StageKindName(t.stages[s].kind));
        const StageResult& st = r.stages[s];
        const auto put = [&](int row, const QString& text) {
            table_->setItem(row, s, new QTableWidgetItem(text));
        };
        if (st.failure != StageFailure::None) {
            put(0, StageFailureText(st.failure));
            table_->item(0, s)->setToolTip(StageFailureText(st.failure));
            continue;
        }
        const StageFigures f = FiguresOfStage(t, r, s);
        put(0, f.carbonForms ? QStringLiteral("углерод возможен") : QStringLiteral("рассчитана"));
        put(1, number(st.inletKelvin - StandardKelvinOffset, 1));
        put(2, number(st.outletKelvin - StandardKelvinOffset, 1));
        put(3, number(st.pressureBar, 2));
        put(4, number(f.dutyKw, 1));
        put(5, number(f.dutyKjPerMolFeed, 3));
        put(6, number(f.exchangerDutyKw, 1));
        put(7, t.stages[s].kind == StageKind::Secondary ? number(st.oxidantMolPerMolFeed, 5)
                                                        : QString());
        for (int k = 0; k < ReportedSpeciesCount - 1; ++k) {
            put(8 + k, number(f.dry[k] * 100, 4));
        }
        put(14, number(f.wet[ReportedSpeciesCount - 1] * 100, 4));
        put(15, number(f.totalKmolH, 2));
        put(16, number(f.totalNm3H, 1));
        put(17, number(f.methaneConversion * 100, 3));
        put(18, number(f.h2ToCo, 4));
        put(19, number(f.h2CoToN2, 4));
        put(20, number(f.carbonActivity, 4));
        if (f.carbonForms) {
            table_->item(0, s)->setForeground(Qt::red);
        }
        TFastLineSeries& temperature = temperatureChart_->Model().Series(0);
        temperature.AddPoint(s, st.inletKelvin - StandardKelvinOffset);
        temperature.AddPoint(s + 1, st.outletKelvin - StandardKelvinOffset);
        for (int k = 0; k < DryShownCount; ++k) {
            compositionChart_->Model().Series(k).AddPoint(s + 1, f.dry[k] * 100);
        }
    }
    table_->setHorizontalHeaderLabels(headers);
    table_->resizeColumnsToContents();
    temperatureChart_->Model().EndLoading();
    compositionChart_->Model().EndLoading();
    temperatureChart_->update();
    compositionChart_->update();
    setWindowTitle(QStringLiteral("Технологическая схема") +
                   (case_.name.isEmpty() ? QString() : QStringLiteral(" - ") + case_.name));
}

} // namespace quorvel
