#include "ui/dialogs/MapWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <optional>

#include "chart/ChartError.h"
#include "chart/widget/TChart.h"
#include "engine/CarbonLimit.h"
#include "engine/InputLimits.h"
#include "engine/ProcessData.h"
#include "engine/SweepRange.h"
#include "report/EnvelopeReport.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "ui/dialogs/CenteredMessageBox.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/main/EntryConversion.h"

namespace quorvel {

namespace {

constexpr int WindowWidth = 900;
constexpr int WindowHeight = 580;
constexpr int FieldWidth = 70;

// The figures in MapFigure order, as the window names them.
const char* const FigureNames[] = {"граница выпадения углерода (минимальное соотношение)",
                                   "проскок метана (метан в сухом газе, %)", "H2/CO"};

// The fields' first texts, with a comma: 700..950 by 10 degrees C, 15..30 by 1 atm.
const char* const FirstTexts[MapWindow::FieldCount] = {"700", "950", "10", "15", "30", "1"};

QString PressureUnitName(const Engine& engine) {
    return QString::fromUtf8(CaptionsOf(engine.units.pressure).name);
}

} // namespace

MapWindow::MapWindow(const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), locale_(locale), map_(std::make_unique<ReformingMap>()) {
    setObjectName(QStringLiteral("MapWindow"));
    setWindowTitle(QStringLiteral("Карта по температуре и давлению"));
    setWindowFlag(Qt::Window);
    map_->temperatureCount = 0;
    map_->pressureCount = 0;

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    auto* top = new QHBoxLayout;
    figure_ = new QComboBox(client);
    figure_->setObjectName(QStringLiteral("MapFigure"));
    for (const char* name : FigureNames)
        figure_->addItem(QString::fromUtf8(name));
    top->addWidget(new QLabel(QStringLiteral("Показатель:"), client));
    top->addWidget(figure_, 1);
    layout->addLayout(top);

    auto* grid = new QGridLayout;
    const QString heads[3] = {QStringLiteral("от"), QStringLiteral("до"), QStringLiteral("шаг")};
    for (int column = 0; column < 3; ++column)
        grid->addWidget(new QLabel(heads[column], client), 0, column + 1);
    grid->addWidget(new QLabel(QStringLiteral("Температура, °C"), client), 1, 0);
    pressureLabel_ = new QLabel(QStringLiteral("Давление, атм"), client);
    grid->addWidget(pressureLabel_, 2, 0);
    for (int i = 0; i < FieldCount; ++i) {
        auto* field =
            new QLineEdit(WithDecimalSeparator(QString::fromUtf8(FirstTexts[i]), locale_), client);
        field->setObjectName(QStringLiteral("MapField%1").arg(i));
        field->setFixedWidth(FieldWidth);
        fields_[static_cast<size_t>(i)] = field;
        grid->addWidget(field, 1 + i / 3, 1 + i % 3);
    }
    auto* calculate = new QPushButton(QStringLiteral("&Calculate"), client);
    calculate->setObjectName(QStringLiteral("MapCalculate"));
    calculate->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, &MapWindow::CalculateRequested);
    grid->addWidget(calculate, 1, 4, 2, 1);
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);

    message_ = AddRefusalMessage(client, layout);

    chart_ = new TChart(client);
    chart_->setObjectName(QStringLiteral("MapChart"));
    ConfigureMapChart(chart_->Model());
    layout->addWidget(chart_, 1);
    setCentralWidget(client);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Export CSV..."), this, &MapWindow::ExportCsv)
        ->setObjectName(QStringLiteral("MapExportCsvItem"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QWidget::close);

    resize(WindowWidth, WindowHeight);
}

MapWindow::~MapWindow() = default;

MapFigure MapWindow::Figure() const {
    const int index = figure_->currentIndex();
    return index == 1   ? MapFigure::MethaneSlip
           : index == 2 ? MapFigure::H2toCO
                        : MapFigure::CarbonLimit;
}

void MapWindow::SetFigure(MapFigure figure) {
    figure_->setCurrentIndex(static_cast<int>(figure));
}

QString MapWindow::Message() const {
    return message_->isHidden() ? QString() : message_->text();
}

void MapWindow::ShowMessage(const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

void MapWindow::ShowUnits(const Engine& engine, PressureUnit previous) {
    pressureLabel_->setText(QStringLiteral("Давление, ") + PressureUnitName(engine));
    for (int i = 3; i < FieldCount; ++i) {
        QLineEdit* field = fields_[static_cast<size_t>(i)];
        const std::optional<double> value = ParseEntryNumber(field->text(), locale_);
        if (!value)
            continue;
        if (const std::optional<double> restated = RestatedShownValue(
                engine, SweptParameter::Pressure, *value, EntryUnits{false, previous})) {
            field->setText(FormatGeneral(*restated, DecimalSeparatorOf(locale_)));
            field->setCursorPosition(0);
        }
    }
}

bool MapWindow::Calculate(const Engine& engine) {
    const QChar separator = DecimalSeparatorOf(locale_);
    const QString unit = PressureUnitName(engine);
    pressureLabel_->setText(QStringLiteral("Давление, ") + unit);

    // Both axes in the units their fields are entered in: degrees C, the pressure unit.
    const EntryLimits temperatureLimits = ShownLimits(engine, SweptParameter::Temperature);
    const EntryLimits pressureLimits = ShownLimits(engine, SweptParameter::Pressure);
    const QString axisNames[2] = {QStringLiteral("температур"), QStringLiteral("давлений")};
    const QString fieldNames[3] = {QStringLiteral("начало"), QStringLiteral("конец"),
                                   QStringLiteral("шаг")};
    SweepRange ranges[2];
    for (int axis = 0; axis < 2; ++axis) {
        const EntryLimits limits = axis == 0 ? temperatureLimits : pressureLimits;
        double values[3];
        for (int k = 0; k < 3; ++k) {
            const QString& text = fields_[static_cast<size_t>(axis * 3 + k)]->text();
            const std::optional<double> number = ParseEntryNumber(text, locale_);
            if (!number) {
                ShowMessage(QStringLiteral("Поле «%1 %2» не прочитано: «%3» не число.")
                                .arg(fieldNames[k], axisNames[axis], text.trimmed()));
                return false;
            }
            values[k] = *number;
        }
        for (int k = 0; k < 2; ++k) {
            if (BeyondLimits(values[k], limits)) {
                ShowMessage(
                    QStringLiteral("Поле «%1 %2» (%3) вне пределов: допускается от %4 до %5.")
                        .arg(fieldNames[k], axisNames[axis], FormatGeneral(values[k], separator),
                             FormatGeneral(limits.lower, separator),
                             FormatGeneral(limits.upper, separator)));
                return false;
            }
            values[k] = ClampEntry(values[k], limits);
        }
        SweepRange& range = ranges[axis];
        range = {SweepRangePointCount(values[0], values[1], values[2]), values[0], values[2],
                 values[1], true};
        QString refusal;
        if (!(values[2] > 0))
            refusal = QStringLiteral("шаг %1 должен быть больше нуля.").arg(axisNames[axis]);
        else if (values[1] < values[0])
            refusal = QStringLiteral("конец %1 (%2) меньше начала (%3).")
                          .arg(axisNames[axis], FormatGeneral(values[1], separator),
                               FormatGeneral(values[0], separator));
        else if (range.count > MapAxisCapacity)
            refusal = QStringLiteral("число точек %1 было бы %2, а допускается не более %3: "
                                     "увеличьте шаг.")
                          .arg(axisNames[axis])
                          .arg(range.count)
                          .arg(MapAxisCapacity);
        if (!refusal.isEmpty()) {
            refusal[0] = refusal[0].toUpper();
            ShowMessage(refusal);
            return false;
        }
    }
    const MapFigure figure = Figure();
    if (figure == MapFigure::CarbonLimit && FeedWithoutCarbon(engine.feedTotals)) {
        ShowMessage(QStringLiteral("В газе нет углерода: углерод не выпадает."));
        return false;
    }

    auto map = std::make_unique<ReformingMap>();
    SetMapAxes(*map, ranges[0], ranges[1], engine.units.pressure);
    auto copy = std::make_unique<Engine>(engine);
    ComputeReformingMap(*copy, figure, *map);

    MapGrid grid = MapGridOf(*copy, figure, *map);
    try {
        MapChartDisplay(chart_->Model(), grid);
        chart_->SetMapReadoutText([grid, separator](const ColorMapCell& cell) {
            return MapReadoutText(grid, cell, separator);
        });
    } catch (const ChartError& error) {
        ShowMessage(QString::fromStdString(error.what()));
        return false;
    }
    csvLines_ = MapCsvLines(*copy, figure, *map);
    map_ = std::move(map);
    grid_ = std::move(grid);
    ShowMessage(QString());
    return true;
}

bool MapWindow::ExportCsvFile(const QString& fileName, QString* errorMessage) const {
    QSaveFile file(fileName);
    const QByteArray bytes = (csvLines_.join(u'\n') + u'\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        *errorMessage =
            QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

void MapWindow::ExportCsv() {
    if (!HasMap()) {
        ShowCenteredMessage(QMessageBox::Information, QCoreApplication::applicationName(),
                            QStringLiteral("Карта ещё не рассчитана: нажмите Calculate."));
        return;
    }
    const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), QString(),
                                                      QStringLiteral("CSV Files (*.csv)"));
    QString error;
    if (!name.isEmpty() && !ExportCsvFile(name, &error))
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
}

} // namespace quorvel
