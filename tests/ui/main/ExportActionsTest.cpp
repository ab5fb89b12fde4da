// The window's ways out for its results: CSV export, chart pictures, the clipboard,
// the print preview, and the chart's readout.
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>

#include "chart/AxisScale.h"
#include "chart/widget/TChart.h"
#include "tests/ui/main/MainFormTestSupport.h"
#include "ui/main/ExportActions.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ProgramRun RunSweepProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVEL_SWEEP_PROGRAM), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray ReadAll(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QString& fileName) {
    QProcess process;
    process.start(QStringLiteral(QUORVEL_PDFINFO), {fileName});
    if (!process.waitForFinished(30000))
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

class ExportTest : public MainFormTest {
protected:
    void OpenWithMenus(const QLocale& locale = RussianLocale) {
        Create(locale);
        form->AttachDialogs(nullptr, nullptr);
        form->show();
        ASSERT_TRUE(Activate(form.get()));
    }
    quorvel::TChart* Chart() const { return form->findChild<quorvel::TChart*>("Chart"); }
    QPlainTextEdit* Memo() const { return form->findChild<QPlainTextEdit*>("Memo"); }
    // The chart as the screen shows it, after its label bands have settled.
    QImage Screen() const {
        Chart()->grab();
        return Chart()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ExportTest, CopyKeysLeaveCtrlCToTheEditors) {
    OpenWithMenus();
    const QAction* copyTable = form->findChild<QAction*>("EditCopyTableItem");
    const QAction* copyChart = form->findChild<QAction*>("EditCopyChartItem");
    EXPECT_EQ(copyTable->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    EXPECT_EQ(copyChart->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+H")));

    // In an entry, Ctrl+C copies the entry's selection; Ctrl+Shift+C the whole table.
    QComboBox* pressure = Entry("ComboBoxPressure");
    pressure->setFocus();
    pressure->lineEdit()->selectAll();
    QApplication::clipboard()->clear();
    QTest::keyClick(pressure->lineEdit(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("25"));
    QTest::keyClick(pressure->lineEdit(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), form->MemoLines().join(u'\n'));
    QTest::keyClick(pressure->lineEdit(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), Chart()->size());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ExportTest, ExportedCsvIsTheSweepProgramsCsvAfterItsComments) {
    OpenWithMenus(); // comma locale: the CSV still uses a point
    engine->feedComposition[0] = 90;
    engine->feedComposition[1] = 5;
    engine->feedComposition[6] = 5;
    quorvel::PreparationVar(*engine);
    engine->constants = quorvel::ConstantsSource::Standard;
    Choose("RadioGroupAxisY", 1);
    Choose("RadioGroupAxisX", 1);
    const QString fileName = dir.filePath("run.csv");
    ASSERT_TRUE(form->Exports().ExportCsvToFile(fileName));

    const QString text = QString::fromUtf8(ReadAll(fileName));
    ASSERT_TRUE(text.endsWith(u'\n'));
    QStringList comments;
    QStringList rows;
    for (const QString& line : text.chopped(1).split(u'\n'))
        (line.startsWith(u'#') ? comments : rows) << line;
    // The comments come first and name the view, the conditions and the feed.
    EXPECT_TRUE(text.startsWith(comments.join(u'\n')));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Состав мокрого синтез-газа, мол. д.")));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Соотношение пар/метан, мол.д.: 2.5")));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Температура, град. С: переменный")));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Давление, атм: 25")));
    EXPECT_TRUE(
        comments.contains(QStringLiteral("# Константы равновесия: стандартные данные NASA")));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Метан: 90")));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Диоксид углерода: 5")));
    EXPECT_TRUE(comments.contains(QStringLiteral("# Вода: 0")));

    const ProgramRun run = RunSweepProgram({"--format", "csv", "--sweep", "temperature", "--view",
                                            "wet", "--ratio", "2.5", "--pressure", "25", "--feed",
                                            "90,5,0,0,0,0,5,0,0", "--constants", "standard"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(rows.join(u'\n') + u'\n', QString::fromUtf8(run.out));
    EXPECT_EQ(rows.size(), 1 + 26);

    // A file that cannot be written is reported in the words of Save As, and nothing is
    // left behind.
    EXPECT_FALSE(form->Exports().ExportCsvToFile(dir.filePath("missing/run.csv")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().second,
              QStringLiteral("Не удалось создать файл «%1»: нет такой папки.")
                  .arg(QDir::toNativeSeparators(dir.filePath("missing/run.csv"))));
    EXPECT_FALSE(QFile::exists(dir.filePath("missing/run.csv")));
}

TEST_F(ExportTest, ChartPicturesAreTheScreensPixelsAndTheSweepProgramsSvg) {
    OpenWithMenus();
    Choose("RadioGroupAxisX", 2);
    form->resize(900, 600);
    QApplication::processEvents();
    const QImage screen = Screen();
    ASSERT_NE(screen.size(), QSize(438, 269)); // not the design size: the current one

    const QString png = dir.filePath("chart.png");
    ASSERT_TRUE(form->Exports().SaveChartToFile(png));
    QImage saved(png);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), screen);

    const QString svg = dir.filePath("chart.svg");
    ASSERT_TRUE(form->Exports().SaveChartToFile(svg));
    const QByteArray windowSvg = ReadAll(svg);
    EXPECT_TRUE(windowSvg.startsWith("<?xml"));
    const QString cliSvg = dir.filePath("cli.svg");
    const ProgramRun run =
        RunSweepProgram({"--sweep", "pressure", "--chart", cliSvg, "--size",
                         QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height())});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadAll(cliSvg), windowSvg);

    EXPECT_FALSE(form->Exports().SaveChartToFile(dir.filePath("missing/chart.png")));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(ExportTest, CaptionUnderChartPicturesIsOffByDefaultAndKeepsTheChartsPixels) {
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
              QStringLiteral("quorvel"))
        .remove(quorvel::ExportActions::PictureCaptionKey());
    OpenWithMenus();
    auto* item = form->findChild<QAction*>(QStringLiteral("OptionsPictureCaptionItem"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    const QImage screen = Screen();

    item->trigger();
    ASSERT_TRUE(form->Exports().PictureCaption());
    const QString png = dir.filePath("captioned.png");
    ASSERT_TRUE(form->Exports().SaveChartToFile(png));
    const QImage saved = QImage(png).convertToFormat(QImage::Format_RGB32);
    form->Exports().CopyChart();
    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    for (const QImage& picture : {saved, copied}) {
        // The chart keeps its size and every pixel; the caption has a band of its own below
        // it, tall enough for its three lines, with text drawn in it.
        ASSERT_EQ(picture.width(), screen.width());
        ASSERT_GT(picture.height(), screen.height() + 3 * 10);
        EXPECT_EQ(picture.copy(QRect(QPoint(0, 0), screen.size())), screen);
        int dark = 0;
        for (int y = screen.height(); y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                dark += qGray(picture.pixel(x, y)) < 128;
        EXPECT_GT(dark, 100);
    }
    EXPECT_EQ(saved, copied);

    // The SVG names the conditions in its caption.
    const QString svg = dir.filePath("captioned.svg");
    ASSERT_TRUE(form->Exports().SaveChartToFile(svg));
    const QString svgText = QString::fromUtf8(ReadAll(svg));
    EXPECT_TRUE(svgText.contains(QStringLiteral("Давление, атм: 25")));
    EXPECT_TRUE(svgText.contains(QStringLiteral("Метан 100")));
    EXPECT_TRUE(svgText.contains(QStringLiteral("корреляция программы")));

    // Off again, pictures are the screen's pixels alone.
    item->trigger();
    ASSERT_TRUE(form->Exports().SaveChartToFile(png));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), screen);
}

TEST_F(ExportTest, ClipboardTakesTheTableAsShownAndTheChartAtItsSize) {
    OpenWithMenus();
    // The user's own edits of the table are copied too.
    Memo()->appendPlainText(QStringLiteral("примечание"));
    form->Exports().CopyTable();
    EXPECT_EQ(QApplication::clipboard()->text(), Memo()->toPlainText());
    EXPECT_TRUE(QApplication::clipboard()->text().endsWith(QStringLiteral("\nпримечание")));

    const QImage screen = Screen();
    form->Exports().CopyChart();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), Chart()->size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), screen);
}

TEST_F(ExportTest, PreviewShowsThePagesThatPrintingMakes) {
    if (QStringLiteral(QUORVEL_PDFINFO).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed: the printed pages cannot be counted";

    OpenWithMenus();
    QStringList lines = form->MemoLines();
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    Memo()->setPlainText(lines.join(u'\n'));

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(form->Printer().pageLayout());
    pdf.setOutputFileName(dir.filePath("table.pdf"));
    ASSERT_TRUE(form->PrintMemo(pdf));
    const int printedPages = PdfPageCount(dir.filePath("table.pdf"));
    ASSERT_GT(printedPages, 0) << "pdfinfo could not read the printed file";
    ASSERT_GT(printedPages, 1);

    int previewPages = -1;
    int paintRequests = 0;
    form->Exports().SetPreviewRunner([&](QPrintPreviewDialog& dialog) {
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [&paintRequests] { ++paintRequests; });
        dialog.show();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return preview->pageCount() > 0; }));
        previewPages = preview->pageCount();
        dialog.reject();
    });
    form->findChild<QAction*>("FilePrintPreviewItem")->trigger();
    EXPECT_GE(paintRequests, 1);
    EXPECT_EQ(previewPages, printedPages);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ExportTest, ReadoutReportsThePointsTableValues) {
    for (const QLocale& locale :
         {RussianLocale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        OpenWithMenus(locale);
        Choose("RadioGroupAxisX", 1); // 26 points, 750 to 1000 degrees
        Screen();
        quorvel::TChart* chart = Chart();
        const quorvel::AxisLayout& a = chart->LastLayout().Axis(quorvel::TChartAxisId::Bottom);
        const quorvel::AxisSpan bottom{a.minimum, a.maximum, a.start, a.end, true};
        const quorvel::ChartRect& plot = chart->LastLayout().plotRect;
        const QStringList table = form->MemoLines();
        ASSERT_EQ(table.size(), 5 + 26);
        for (int i : {0, 7, 25}) {
            // One pixel off the point's column still snaps to it.
            const int px =
                quorvel::ValuePixel(bottom, engine->resultSeries.XValue[i]) + (i == 25 ? -1 : 1);
            const QStringList tip =
                chart->ShowReadoutAt(QPoint(px, (plot.top + plot.bottom) / 2)).split(u'\n');
            const QStringList fields =
                table[5 + i].split(u' ', Qt::SkipEmptyParts); // x, CH4, CO, CO2, H2, ...
            ASSERT_EQ(tip.size(), 9);
            EXPECT_EQ(tip[0], QStringLiteral("Температура, град. С: ") + fields[0]);
            EXPECT_EQ(tip[1], QStringLiteral("Метан: ") + fields[1]);
            EXPECT_EQ(tip[2], QStringLiteral("Монооксид: ") + fields[2]);
            EXPECT_EQ(tip[3], QStringLiteral("Диоксид: ") + fields[3]);
            EXPECT_EQ(tip[4], QStringLiteral("Водород: ") + fields[4]);
            // The reformer figures of the same point follow.
            const QChar separator = locale.decimalPoint().front();
            auto fixed = [separator](double value, int decimals) {
                return QString::number(value, 'f', decimals).replace(u'.', separator);
            };
            EXPECT_EQ(tip[5], QStringLiteral("Конверсия метана: ") +
                                  fixed(engine->figures.MethaneConversion[i], 4));
            EXPECT_EQ(tip[6],
                      QStringLiteral("Пар/углерод: ") + fixed(engine->figures.SteamToCarbon[i], 2));
            EXPECT_EQ(tip[7], QStringLiteral("Теплота процесса, кДж/моль: ") +
                                  fixed(engine->figures.HeatDuty[i], 2));
            const quorvel::CarbonSeries& carbon = engine->carbonSeries;
            ASSERT_TRUE(carbon.Known[i]);
            EXPECT_EQ(tip[8], QStringLiteral("Активность углерода: ") +
                                  fixed(std::max(carbon.Cracking[i], carbon.Boudouard[i]), 3));
        }
        chart->HideReadout();
        TearDown();
    }
}
