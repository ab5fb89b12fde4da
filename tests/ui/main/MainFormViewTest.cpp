// What the main window shows: its controls and layout, the table and the chart texts of
// each view, and the File menu's saving and printing.

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "MainFormTestSupport.h"
#include "chart/widget/TChart.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"

namespace {

QStringList Captions(const QWidget* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

} // namespace

TEST_F(MainFormTest, EntriesAndMenusStartAsDesigned) {
    Create();
    QComboBox* ratio = Entry("ComboBoxRatio");
    EXPECT_EQ(ratio->currentText(), "2,5");
    ASSERT_EQ(ratio->count(), 17);
    EXPECT_EQ(ratio->itemText(4), "1,0");
    EXPECT_EQ(Entry("ComboBoxTemperature")->itemText(16), "");
    EXPECT_EQ(Entry("ComboBoxPressure")->count(), 11);
    EXPECT_EQ(form->findChild<QPlainTextEdit*>("Memo")->toPlainText(), "Memo1");

    // Every menu is there from the window's creation, before the dialogs are attached.
    EXPECT_EQ(Captions(form->menuBar()), (QStringList{"&File", "&Edit", "&Options", "&Help"}));
    EXPECT_EQ(Captions(form->findChild<QMenu*>("FileMenu")),
              (QStringList{"Save &As...", "&Export CSV...", "Save &Chart Picture...", "-", "&Print",
                           "Print Pre&view...", "P&rint Setup...", "-", "E&xit"}));
    EXPECT_EQ(Captions(form->findChild<QMenu*>("EditMenu")),
              (QStringList{"Structure of convertible gas", "-", "&Copy Table", "Copy C&hart"}));
    EXPECT_EQ(Captions(form->findChild<QMenu*>("HelpMenu")),
              (QStringList{"&Contents", "&How to Use Help", "-", "&About..."}));
    quorvel::TAboutBox about(form.get());
    quorvel::TDataForm feed(*engine, form.get());
    form->AttachDialogs(&about, &feed);
    EXPECT_EQ(feed.Edit(0)->text(), " 100.00"); // the dialog shows the feed set before it
}

TEST_F(MainFormTest, LayoutFollowsTheClientSizeAndTitleBarDoubleClicksAreSwallowed) {
    Open();
    QWidget* client = form->centralWidget();
    EXPECT_EQ(client->size(), QSize(668, 388));
    auto geometry = [this](const char* name) {
        return form->findChild<QWidget*>(name)->geometry();
    };
    EXPECT_EQ(geometry("Memo"), QRect(-1, 0, 230, 294));
    EXPECT_EQ(geometry("Chart"), QRect(230, 26, 438, 269));
    EXPECT_EQ(geometry("PanelReaction"), QRect(230, 0, 438, 25));
    EXPECT_EQ(geometry("Panel"), QRect(0, 293, 667, 94));
    EXPECT_EQ(geometry("RadioGroupAxisX"), QRect(462, 1, 218, 92));

    const int frameHeight = form->height() - client->height();
    form->resize(801, 500 + frameHeight);
    QApplication::processEvents();
    ASSERT_EQ(client->size(), QSize(801, 500));
    EXPECT_EQ(geometry("Memo"), QRect(-1, 0, 310, 406));
    EXPECT_EQ(geometry("Chart"), QRect(310, 26, 491, 381));
    EXPECT_EQ(geometry("Panel"), QRect(0, 405, 800, 94));
    EXPECT_EQ(geometry("RadioGroupAxisY"), QRect(310, 1, 246, 92));
    EXPECT_EQ(geometry("RadioGroupAxisX"), QRect(556, 1, 246, 92));
    // No smaller than the minimum, at which every control is whole and usable and the
    // chart's parts stand apart.
    for (const QSize asked : {QSize(750, 100), QSize(400, 250), QSize(120, 90)}) {
        form->resize(asked.width(), asked.height() + frameHeight);
        QApplication::processEvents();
        EXPECT_EQ(client->size(), QSize(std::max(asked.width(), form->MinimumClientWidth),
                                        std::max(asked.height(), form->MinimumClientHeight)));
    }
    form->resize(form->MinimumClientWidth, form->MinimumClientHeight + frameHeight);
    QApplication::processEvents();
    ASSERT_EQ(client->size(), QSize(form->MinimumClientWidth, form->MinimumClientHeight));
    const QRect panel = geometry("Panel");
    for (const char* name : {"RadioGroupAxisY", "RadioGroupAxisX"}) {
        quorvel::RadioGroup* group = Group(name);
        for (int i = 0; i < 3; ++i) {
            const QAbstractButton* button = group->Button(i);
            const QRect inPanel(button->mapTo(form->findChild<QWidget*>("Panel"), QPoint(0, 0)),
                                button->sizeHint());
            EXPECT_TRUE(QRect(QPoint(0, 0), panel.size()).contains(inPanel)) << name << i;
            EXPECT_GE(group->width(), button->sizeHint().width()) << name << i;
        }
    }
    for (const char* name : {"ComboBoxRatio", "ComboBoxTemperature", "ComboBoxPressure"}) {
        EXPECT_LE(Entry(name)->geometry().right(), Group("RadioGroupAxisY")->geometry().left());
    }
    auto* chart = form->findChild<quorvel::TChart*>("Chart");
    chart->RepaintNow();
    const quorvel::ChartLayout& layout = chart->LastLayout();
    for (const quorvel::PlacedText& line : layout.title.lines) {
        EXPECT_GE(line.x, 0);
        EXPECT_LE(line.x + line.width, chart->width());
    }
    EXPECT_LE(layout.title.box.bottom, layout.plotRect.top);
    EXPECT_GT(layout.plotRect.right - layout.plotRect.left, 200);
    EXPECT_GT(layout.plotRect.bottom - layout.plotRect.top, 80);
    EXPECT_GT(layout.legend.box.top,
              layout.Axis(quorvel::TChartAxisId::Bottom).title.y); // below the axis title
    EXPECT_GE(layout.legend.box.left, 0);
    EXPECT_LE(layout.legend.box.right, chart->width());

    QMouseEvent doubleClick(QEvent::NonClientAreaMouseButtonDblClick, QPointF(10, -5),
                            QPointF(10, -5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(QApplication::sendEvent(form.get(), &doubleClick));
}

TEST_F(MainFormTest, TableAndChartFollowBothModes) {
    Open();
    auto* chart = form->findChild<quorvel::TChart*>("Chart");
    EXPECT_EQ(chart->Title().Text(), (QStringList{"Состав сухого синтез-газа", ""}));

    Choose("RadioGroupAxisX", 1);
    Choose("RadioGroupAxisY", 2);
    QStringList lines = form->MemoLines();
    ASSERT_EQ(lines.size(), 5 + 26);
    EXPECT_EQ(
        lines.mid(0, 5),
        (QStringList{"Соотношение пар/метан, мол.д.: 2,5", "Давление, атм                : 25", "",
                     "Соотношение продуктов реакции, мол. д.", "Температура H2/CO  CO2/CO"}));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("  750,00")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral(" 1000,00")));
    EXPECT_EQ(chart->Title().Text(), (QStringList{"Соотношение продуктов реакции", ""}));
    EXPECT_EQ(chart->LeftAxis().Title().Caption, QStringLiteral("Соотношение продуктов"));
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Температура, град. С"));
    EXPECT_EQ(chart->Series(2).Title(), QStringLiteral("Диоксид/СО"));
    EXPECT_EQ(chart->Series(3).Title(), QStringLiteral("Водород/СО"));
    EXPECT_FALSE(chart->Series(0).ShowInLegend());
    EXPECT_FALSE(chart->Series(1).ShowInLegend());
    EXPECT_EQ(chart->Series(0).Count(), 0);
    ASSERT_EQ(chart->Series(2).Count(), 26);
    EXPECT_EQ(chart->Series(2).YValues().Value(5), engine->resultSeries.CO2toCO[5]);
    EXPECT_EQ(chart->Series(3).YValues().Value(5), engine->resultSeries.H2toCO[5]);
    EXPECT_FALSE(Entry("ComboBoxTemperature")->isVisible());
    EXPECT_FALSE(form->findChild<QWidget*>("LabelTemperature")->isVisible());

    Choose("RadioGroupAxisX", 2);
    Choose("RadioGroupAxisY", 1);
    lines = form->MemoLines();
    EXPECT_EQ(lines[1], QStringLiteral("Температура, град. С         : 860"));
    EXPECT_EQ(lines[4],
              QStringLiteral(" Давление   CH4     CO      CO2     H2      N2   Изм. объема"));
    EXPECT_EQ(chart->LeftAxis().Title().Caption, QStringLiteral("Состав мокрого синтез-газа"));
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Давление, атм"));
    EXPECT_EQ(chart->Series(2).Title(), QStringLiteral("Диоксид"));
    EXPECT_EQ(chart->Series(3).Title(), QStringLiteral("Водород"));
    EXPECT_TRUE(chart->Series(0).ShowInLegend());
    EXPECT_TRUE(chart->Series(1).ShowInLegend());
    const int n = engine->resultSeries.LastIndex;
    ASSERT_EQ(chart->Series(0).Count(), n + 1);
    EXPECT_EQ(chart->Series(0).YValues().Value(n), engine->resultSeries.CH4[n]);
    EXPECT_FALSE(Entry("ComboBoxPressure")->isVisible());
    EXPECT_TRUE(Entry("ComboBoxTemperature")->isVisible());
}

TEST_F(MainFormTest, APointWithoutACompositionShowsTheWordsAndNoChartPoint) {
    for (const QLocale& locale : {RussianLocale, QLocale::c()}) {
        Open(locale);
        // Pure ethane: below a third of a mole of steam no composition has every amount
        // positive, so the first three points of the ratio sweep have none.
        for (int i = 0; i < quorvel::FeedComponentCount; ++i)
            engine->feedComposition[i] = i == 1 ? 100 : 0;
        quorvel::PreparationVar(*engine);
        Choose("RadioGroupAxisY", 1);
        const QString separator = locale.decimalPoint();
        const QStringList lines = form->MemoLines();
        ASSERT_EQ(lines.size(), 5 + 77);
        EXPECT_EQ(lines[5], "    0" + separator + "20 нет физического решения");
        EXPECT_EQ(lines[7], "    0" + separator + "30 нет физического решения");
        EXPECT_FALSE(lines[8].contains(QStringLiteral("нет")));

        auto* chart = form->findChild<quorvel::TChart*>("Chart");
        for (int s = 0; s < 4; ++s) {
            ASSERT_EQ(chart->Series(s).Count(), 74) << s;
            EXPECT_EQ(chart->Series(s).XValues().Value(0), engine->resultSeries.XValue[3]);
        }
        Choose("RadioGroupAxisY", 2);
        EXPECT_EQ(chart->Series(3).Count(), 74);
        EXPECT_EQ(chart->Series(3).YValues().Value(0), engine->resultSeries.H2toCO[3]);
        TearDown();
    }
}

TEST_F(MainFormTest, APointDesktopReadsItsOwnTextsAndGetsAPointTable) {
    Open(QLocale::c());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(engine->InputRatio, 2.5);
    EXPECT_EQ(Entry("ComboBoxRatio")->itemText(0), "0.2");
    EXPECT_TRUE(form->MemoLines()[5].startsWith(QStringLiteral("    0.20")));
    Type(Entry("ComboBoxRatio"), "0.1");
    Press(Entry("ComboBoxRatio"), Qt::Key_Return);
    EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), "0.2");
}

TEST_F(MainFormTest, SavingWritesWindows1251WithCrLfAndAFailureIsReported) {
    Open();
    QTemporaryDir dir;
    const QString path = dir.filePath("table.txt");
    ASSERT_TRUE(form->SaveMemoToFile(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xD2\xE5\xEC\xEF")); // "Темп" in windows-1251
    EXPECT_EQ(bytes.count("\r\n"), 82);
    EXPECT_EQ(bytes.count('\n'), 82);
    file.close();

    // The user's own text is saved as it stands; a trailing line break is no extra line.
    form->findChild<QPlainTextEdit*>("Memo")->setPlainText(QStringLiteral("abc\nдва\n"));
    ASSERT_TRUE(form->SaveMemoToFile(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("abc\r\n\xE4\xE2\xE0\r\n"));
    EXPECT_TRUE(messages.isEmpty());

    EXPECT_FALSE(form->SaveMemoToFile(QStringLiteral("/nonexistent-folder/lost.txt")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].second.contains(QStringLiteral("lost.txt")));
    Choose("RadioGroupAxisY", 1); // the program goes on
    EXPECT_EQ(form->CycleCount(), 2);

    QFileDialog* dialog = form->SaveDialog();
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"Text Files (*.txt)", "Data Files (*.dat)", "Result Files (*.res)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(MainFormTest, PrintingSendsTheMemosLines) {
    if (QStringLiteral(QUORVEL_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: the printed text cannot be read back";

    Open();
    QTemporaryDir dir;
    QPrinter& printer = form->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("table.pdf"));
    ASSERT_TRUE(form->PrintMemo(printer));
    QProcess process;
    process.start(QStringLiteral(QUORVEL_PDFTOTEXT), {"-layout", dir.filePath("table.pdf"), "-"});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Температура, град. С: 860")));
    EXPECT_TRUE(text.contains(form->MemoLines().back().simplified()));
}
