#include "ui/dialogs/CarbonLimitWindow.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>

#include "chart/widget/TChart.h"
#include "report/CarbonLimitReport.h"
#include "report/TableFile.h"
#include "ui/dialogs/CenteredMessageBox.h"
#include "ui/main/EntryConversion.h"
#include "views/CarbonLimitChartView.h"

namespace quorvel {

namespace {

constexpr int WindowWidth = 760;
constexpr int WindowHeight = 430;
constexpr int MemoFontPixels = 12;
constexpr int MemoWidth = 290; // a table line of 35 characters and the scroll bar
// The smallest chart that shows its whole title, both axis titles and a readable plot.
constexpr int ChartMinimumWidth = 300;
constexpr int ChartMinimumHeight = 220;

QStringList SaveFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Data Files (*.dat)"),
            QStringLiteral("Result Files (*.res)")};
}

} // namespace

CarbonLimitWindow::CarbonLimitWindow(const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), locale_(locale), table_(std::make_unique<CarbonLimitTable>()) {
    setObjectName(QStringLiteral("CarbonLimitWindow"));
    setWindowTitle(QStringLiteral("Граница выпадения углерода"));
    setWindowFlag(Qt::Window);
    *table_ = {};

    auto* client = new QWidget(this);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    chart_ = new TChart(client);
    chart_->setObjectName(QStringLiteral("CarbonLimitChart"));
    ConfigureCarbonLimitChart(chart_->Model());
    chart_->setMinimumSize(ChartMinimumWidth, ChartMinimumHeight);
    memo_ = new QPlainTextEdit(client);
    memo_->setObjectName(QStringLiteral("CarbonLimitMemo"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(MemoFontPixels);
    memo_->setFont(font);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFixedWidth(MemoWidth);
    layout->addWidget(chart_, 1);
    layout->addWidget(memo_);
    setCentralWidget(client);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Save &As..."), this, &CarbonLimitWindow::SaveAs)
        ->setObjectName(QStringLiteral("CarbonLimitSaveAsItem"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QWidget::close);

    saveDialog_ = new QFileDialog(this);
    saveDialog_->setObjectName(QStringLiteral("CarbonLimitSaveDialog"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_->setNameFilters(SaveFilters());
    saveDialog_->selectNameFilter(SaveFilters().front());
    saveDialog_->setDefaultSuffix(QStringLiteral("txt"));

    resize(WindowWidth, WindowHeight);
}

CarbonLimitWindow::~CarbonLimitWindow() = default;

void CarbonLimitWindow::PlaceOnScreenOf(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    move(frame.topLeft().x() < area.left() ? area.left() : frame.topLeft().x(),
         frame.topLeft().y() < area.top() ? area.top() : frame.topLeft().y());
}

void CarbonLimitWindow::Recalculate(Engine& engine) {
    ComputeCarbonLimitTable(engine, *table_);
    lines_ = CarbonLimitTableLines(engine, *table_, DecimalSeparatorOf(locale_),
                                   CarbonLimitHeader::PressureAndFeed);
    memo_->setPlainText(lines_.join(u'\n'));

    double temperature[CarbonLimitSettings::TemperatureCount];
    double ratio[CarbonLimitSettings::TemperatureCount];
    bool aboveRange[CarbonLimitSettings::TemperatureCount];
    for (int i = 0; i < table_->count; ++i) {
        temperature[i] = table_->rows[i].temperature;
        ratio[i] = table_->rows[i].limit.ratio;
        aboveRange[i] = table_->rows[i].limit.kind == CarbonLimitKind::AboveRange;
    }
    CarbonLimitChartDisplay(chart_->Model(), {temperature, ratio, aboveRange, table_->count});
    ++recalculations_;
}

bool CarbonLimitWindow::SaveTableToFile(const QString& fileName, QString* errorMessage) const {
    return SaveTableFile(fileName, lines_, errorMessage);
}

void CarbonLimitWindow::SaveAs() {
    if (saveDialog_->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = saveDialog_->selectedFiles();
    if (chosen.isEmpty())
        return;
    saveDialog_->selectFile(chosen.front());
    QString error;
    if (!SaveTableToFile(chosen.front(), &error))
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
}

} // namespace quorvel
