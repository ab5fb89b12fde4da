// The carbon items of the Options menu: marking the table and shading the chart where
// carbon can form, the choice remembered in the (test-only) settings, and the window of
// the minimum steam ratio.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>

#include "MainFormTestSupport.h"
#include "chart/widget/TChart.h"
#include "report/TableFile.h"
#include "ui/main/CarbonBands.h"
#include "ui/dialogs/CarbonLimitWindow.h"
#include "ui/main/MainMenu.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"

namespace {

const QString Footnote =
    QStringLiteral("C — возможно выпадение углерода (активность углерода > 1)");

QSettings TestSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                     QStringLiteral("quorvel"));
}

class CarbonOptionsTest : public MainFormWithDialogsTest {
protected:
    void SetUp() override { TestSettings().remove(quorvel::MainMenu::MarkCarbonKey()); }
    void TearDown() override {
        MainFormWithDialogsTest::TearDown();
        TestSettings().remove(quorvel::MainMenu::MarkCarbonKey());
    }

    QAction* MarkItem() const { return form->findChild<QAction*>("OptionsMarkCarbonItem"); }
    QAction* LimitItem() const { return form->findChild<QAction*>("OptionsCarbonLimitItem"); }
    QStringList Table() const {
        return form->findChild<QPlainTextEdit*>("Memo")->toPlainText().split(u'\n');
    }
    quorvel::TChart* MainChart() const { return form->findChild<quorvel::TChart*>("Chart"); }
};

TEST_F(CarbonOptionsTest, OffAtFirstTheStartUpViewIsUnmarked) {
    OpenWithMenus();
    ASSERT_NE(MarkItem(), nullptr);
    ASSERT_NE(LimitItem(), nullptr);
    EXPECT_TRUE(MarkItem()->isCheckable());
    EXPECT_FALSE(MarkItem()->isChecked());
    EXPECT_EQ(MarkItem()->text(), QStringLiteral("Mark &carbon formation"));
    EXPECT_EQ(LimitItem()->text(), QStringLiteral("Carbon &limit..."));
    const QMenu* options = form->findChild<QMenu*>("OptionsMenu");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->actions().contains(MarkItem()));
    const QStringList table = Table();
    EXPECT_EQ(table.size(), 5 + 77);
    for (const QString& line : table)
        EXPECT_FALSE(line.endsWith(QStringLiteral("  C")));
    EXPECT_TRUE(MainChart()->Model().XBands().empty());
}

TEST_F(CarbonOptionsTest, MarkingMarksExactlyThePointsWithActivityAboveOneAndIsRemembered) {
    OpenWithMenus();
    MarkItem()->trigger();
    EXPECT_EQ(form->CycleCount(), 2); // the choice starts a cycle
    EXPECT_TRUE(TestSettings().value(quorvel::MainMenu::MarkCarbonKey()).toBool());

    const QStringList table = Table();
    ASSERT_EQ(table.size(), 5 + 77 + 2);
    EXPECT_EQ(table.back(), Footnote);
    const quorvel::CarbonSeries& carbon = engine->carbonSeries;
    int marked = 0;
    for (int i = 0; i < 77; ++i) {
        const bool forms = carbon.Known[i] && std::max(carbon.Cracking[i], carbon.Boudouard[i]) > 1;
        EXPECT_EQ(table[5 + i].startsWith(u'C'), forms) << i;
        marked += table[5 + i].startsWith(u'C');
    }
    EXPECT_EQ(marked, 14);
    EXPECT_TRUE(table[5 + 13].startsWith(QStringLiteral("C   0,85")));
    // The marks lie in the table's first column, in sight at the window's design size
    // without scrolling.
    auto* memo = form->findChild<QPlainTextEdit*>("Memo");
    EXPECT_EQ(memo->horizontalScrollBar()->value(), 0);
    EXPECT_LT(memo->fontMetrics().horizontalAdvance(table[5].left(1)), memo->viewport()->width());
    // The chart shades 0.20 up to halfway between 0.85 and 0.90 and says what the
    // shading means under the plot.
    ASSERT_EQ(MainChart()->Model().XBands().size(), 1u);
    EXPECT_DOUBLE_EQ(MainChart()->Model().XBands()[0].from, 0.2);
    EXPECT_NEAR(MainChart()->Model().XBands()[0].to, 0.875, 1e-12);
    EXPECT_EQ(MainChart()->Model().Foot().Text(), QStringList{quorvel::CarbonBandNote()});
    MainChart()->RepaintNow();
    const quorvel::ChartLayout& layout = MainChart()->LastLayout();
    ASSERT_TRUE(layout.foot.drawn);
    EXPECT_GE(layout.foot.lines[0].x, 0);
    EXPECT_LE(layout.foot.lines[0].x + layout.foot.lines[0].width, MainChart()->width());
    EXPECT_GT(layout.foot.box.top, layout.legend.box.bottom);
    // The window shows the band as its pictures do, the grid's dots on it too.
    const QImage shown = MainChart()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, MainChart()->Picture().convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(layout.xBands.size(), 1u);
    const quorvel::ChartRect band = layout.xBands[0];
    const std::vector<int>& rows = layout.Axis(quorvel::TChartAxisId::Left).ticks;
    ASSERT_GT(rows.size(), 3u);
    int dots = 0;
    for (int x = band.left; x <= band.right; ++x)
        dots += shown.pixel(x, rows[2]) == QColor(Qt::black).rgb();
    EXPECT_GE(dots, (band.right - band.left) / 2 - 4);

    // A temperature sweep at ratio 2.5 forms no carbon: no marks, no footnote, no band,
    // no note; so too at ratio 2.4 and 5 atm.
    Choose("RadioGroupAxisX", 1);
    for (const QString& ratio : {QStringLiteral("2,5"), QStringLiteral("2,4")}) {
        if (ratio != QStringLiteral("2,5")) {
            Type(Entry("ComboBoxRatio"), ratio);
            Press(Entry("ComboBoxRatio"), Qt::Key_Return);
            Type(Entry("ComboBoxPressure"), QStringLiteral("5"));
            Press(Entry("ComboBoxPressure"), Qt::Key_Return);
        }
        EXPECT_EQ(Table().size(), 5 + 26) << ratio.toStdString();
        for (const QString& line : Table())
            EXPECT_FALSE(line.startsWith(u'C') || line == Footnote) << line.toStdString();
        EXPECT_TRUE(MainChart()->Model().XBands().empty());
        EXPECT_TRUE(MainChart()->Model().Foot().Text().isEmpty());
    }

    // A new window reads the remembered choice; switching it off unmarks at once.
    CloseWindow();
    OpenWithMenus();
    EXPECT_TRUE(MarkItem()->isChecked());
    EXPECT_EQ(Table().back(), Footnote);
    EXPECT_FALSE(MainChart()->Model().Foot().Text().isEmpty());
    MarkItem()->trigger();
    EXPECT_FALSE(TestSettings().value(quorvel::MainMenu::MarkCarbonKey()).toBool());
    EXPECT_EQ(Table().size(), 5 + 77);
    EXPECT_TRUE(MainChart()->Model().XBands().empty());
    EXPECT_TRUE(MainChart()->Model().Foot().Text().isEmpty());
}

TEST_F(CarbonOptionsTest, LimitWindowFollowsEveryCycleAndSavesItsTable) {
    OpenWithMenus();
    LimitItem()->trigger();
    quorvel::CarbonLimitWindow* window = form->CarbonLimit();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Граница выпадения углерода"));
    EXPECT_EQ(window->RecalculationCount(), 1);
    // The pressure, the feed's heading and its nine components, then the table.
    ASSERT_EQ(window->TableLines().size(), 15 + 69);
    EXPECT_EQ(window->TableLines()[0], QStringLiteral("Давление, атм: 25"));
    EXPECT_EQ(window->TableLines()[1], QStringLiteral("Исходный газ, % об.:"));
    EXPECT_EQ(window->TableLines()[2], QStringLiteral("Метан: 100"));
    EXPECT_EQ(window->TableLines()[10], QStringLiteral("Вода: 0"));
    EXPECT_EQ(window->Memo()->toPlainText(), window->TableLines().join(u'\n'));
    EXPECT_EQ(window->Chart()->Model().Series(0).Count(), 69);

    // A new pressure, entered in the main window, reaches the limit table.
    const double before = window->Table().rows[56].limit.ratio;
    ASSERT_TRUE(Activate(form.get()));
    QComboBox* pressure = Entry("ComboBoxPressure");
    Type(pressure, QStringLiteral("10"));
    Press(pressure, Qt::Key_Return);
    EXPECT_GE(window->RecalculationCount(), 2);
    EXPECT_EQ(window->TableLines()[0], QStringLiteral("Давление, атм: 10"));
    EXPECT_NE(window->Table().rows[56].limit.ratio, before);

    QTemporaryDir dir;
    const QString name = dir.filePath("limit.txt");
    QString error;
    ASSERT_TRUE(window->SaveTableToFile(name, &error)) << error.toStdString();
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 84);
    EXPECT_TRUE(bytes.contains("0,")); // the window's decimal comma
    EXPECT_FALSE(window->SaveTableToFile(dir.filePath("missing/limit.txt"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("limit.txt")));

    // Hidden, it is left alone by the cycles; shown again, it is up to date at once.
    window->close();
    const int count = window->RecalculationCount();
    Choose("RadioGroupAxisY", 1);
    EXPECT_EQ(window->RecalculationCount(), count);
    LimitItem()->trigger();
    EXPECT_EQ(window->RecalculationCount(), count + 1);
}

TEST_F(CarbonOptionsTest, LimitTableUsesThePointWithAPointLocale) {
    OpenWithMenus(QLocale::c());
    LimitItem()->trigger();
    EXPECT_EQ(form->CarbonLimit()->TableLines()[15],
              QStringLiteral("        300     0.1989       0.1989"));
}

} // namespace

namespace {

TEST_F(CarbonOptionsTest, LimitWindowKeepsAChartWithItsWholeTitle) {
    OpenWithMenus();
    LimitItem()->trigger();
    quorvel::CarbonLimitWindow* window = form->CarbonLimit();
    ASSERT_NE(window, nullptr);
    window->resize(200, 120);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), window->minimumSize());
    EXPECT_GT(window->minimumWidth(), window->Memo()->width());
    quorvel::TChart* chart = window->Chart();
    chart->RepaintNow();
    const quorvel::ChartLayout& layout = chart->LastLayout();
    ASSERT_TRUE(layout.title.drawn);
    for (const quorvel::PlacedText& line : layout.title.lines) {
        EXPECT_GE(line.x, 0) << line.text.toStdString();
        EXPECT_LE(line.x + line.width, chart->width()) << line.text.toStdString();
    }
    for (const quorvel::TChartAxisId id :
         {quorvel::TChartAxisId::Left, quorvel::TChartAxisId::Bottom}) {
        const quorvel::AxisLayout& axis = layout.Axis(id);
        ASSERT_TRUE(axis.titleDrawn);
        // The turned left title reads upwards from its bottom end (x, y).
        const int along = id == quorvel::TChartAxisId::Left ? axis.title.y : axis.title.x;
        const int length = id == quorvel::TChartAxisId::Left ? chart->height() : chart->width();
        EXPECT_GE(id == quorvel::TChartAxisId::Left ? along - axis.title.width : along, 0);
        EXPECT_LE(id == quorvel::TChartAxisId::Left ? along : along + axis.title.width, length);
    }
    EXPECT_GT(layout.plotRect.right - layout.plotRect.left, 120);
    EXPECT_GT(layout.plotRect.bottom - layout.plotRect.top, 100);
}

} // namespace
