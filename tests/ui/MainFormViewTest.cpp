// What the main window shows: its controls and layout, the table and the chart texts of
// each view, and the File menu's saving and printing.

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "MainFormTestSupport.h"
#include "chart/TChart.h"
#include "ui/TAboutBox.h"
#include "ui/TDataForm.h"

TEST_F(MainFormTest, ControlsCarryTheirNamesTextsAndLists) {
    Create();
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("Расчет равновесия получения синтез-газа водяной конверсией метана"));
    EXPECT_EQ(form->findChild<QLabel*>("StaticText1")->text(),
              QStringLiteral("Постоянные параметры процесса"));
    EXPECT_EQ(form->findChild<QLabel*>("LabelTemperature")->text(),
              QStringLiteral("Температура, град. С"));
    EXPECT_EQ(Group("RadioGroupAxisY")->title(), QStringLiteral("Ось Y"));
    EXPECT_EQ(Group("RadioGroupAxisX")->title(), QStringLiteral("Ось X"));
    EXPECT_EQ(Group("RadioGroupAxisX")->Button(1)->text(), QStringLiteral("Температура, град. С"));

    QComboBox* ratio = Entry("ComboBoxRatio");
    EXPECT_EQ(ratio->currentText(), "2,5");
    ASSERT_EQ(ratio->count(), 17);
    EXPECT_EQ(ratio->itemText(0), "0,2");
    EXPECT_EQ(ratio->itemText(16), "4,0");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    ASSERT_EQ(temperature->count(), 17);
    EXPECT_EQ(temperature->itemText(14), "980");
    EXPECT_EQ(temperature->itemText(15), "");
    EXPECT_EQ(Entry("ComboBoxPressure")->count(), 11);
    EXPECT_EQ(Entry("ComboBoxPressure")->itemText(10), "25");

    auto* memo = form->findChild<QPlainTextEdit*>("Memo");
    EXPECT_EQ(memo->toPlainText(), "Memo1");
    EXPECT_EQ(memo->font().pixelSize(), 12);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(form->findChild<QFrame*>("Panel")->font().pixelSize(), 12);
    EXPECT_EQ(form->font().pixelSize(), 11);
}

TEST_F(MainFormTest, MenusHaveTheirCaptionsAndEditHelpComeWithTheDialogs) {
    Create();
    QStringList captions;
    for (QAction* action : form->menuBar()->actions()) {
        captions.append(action->text());
    }
    EXPECT_EQ(captions, QStringList{"&File"});
    QStringList fileItems;
    for (QAction* action : form->findChild<QMenu*>("FileMenu")->actions()) {
        fileItems.append(action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(fileItems,
              (QStringList{"Save &As...", "-", "&Print", "P&rint Setup...", "-", "E&xit"}));

    TAboutBox about(form.get());
    TDataForm feed(*engine, form.get());
    form->AttachDialogs(&about, &feed);
    captions.clear();
    for (QAction* action : form->menuBar()->actions()) {
        captions.append(action->text());
    }
    EXPECT_EQ(captions, (QStringList{"&File", "&Edit", "&Help"}));
    QStringList helpItems;
    for (QAction* action : form->findChild<QMenu*>("HelpMenu")->actions()) {
        helpItems.append(action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(helpItems, (QStringList{"&Contents", "&How to Use Help", "-", "&About..."}));
    EXPECT_EQ(form->findChild<QAction*>("EditStructureConvertibleGasItem")->text(),
              "Structure of convertible gas");
    // The feed dialog shows the pure-methane feed set by the main window's creation.
    EXPECT_EQ(feed.Edit(0)->text(), " 100.00");
}

TEST_F(MainFormTest, LayoutFollowsTheClientSize) {
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
    EXPECT_EQ(geometry("RadioGroupAxisY"), QRect(230, 1, 232, 92));
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

    form->resize(750, 100 + frameHeight);
    QApplication::processEvents();
    EXPECT_EQ(geometry("Memo"), QRect(-1, 0, 230, 6));
    EXPECT_EQ(geometry("Chart").height(), 0); // clamped, not negative
    EXPECT_EQ(geometry("RadioGroupAxisY"), QRect(230, 1, 273, 92));
    EXPECT_EQ(geometry("RadioGroupAxisX"), QRect(503, 1, 259, 92));
}

TEST_F(MainFormTest, TitleBarDoubleClicksAreSwallowed) {
    Open();
    QMouseEvent doubleClick(QEvent::NonClientAreaMouseButtonDblClick, QPointF(10, -5),
                            QPointF(10, -5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(QApplication::sendEvent(form.get(), &doubleClick));
    EXPECT_FALSE(form->isMaximized());
}

TEST_F(MainFormTest, TableAndChartFollowBothModes) {
    Open();
    auto* chart = form->findChild<quorvel::TChart*>("Chart");
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Title().Text(), (QStringList{"Состав сухого синтез-газа", ""}));
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Соотношение пар/метан"));

    // Temperature sweep, product ratios.
    Choose("RadioGroupAxisX", 1);
    Choose("RadioGroupAxisY", 2);
    QStringList lines = form->MemoLines();
    ASSERT_EQ(lines.size(), 5 + 26);
    EXPECT_EQ(lines[0], QStringLiteral("Соотношение пар/метан, мол.д.: 2,5"));
    EXPECT_EQ(lines[1], QStringLiteral("Давление, атм                : 25"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(lines[3], QStringLiteral("Соотношение продуктов реакции, мол. д."));
    EXPECT_EQ(lines[4], QStringLiteral("Температура H2/CO  CO2/CO"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("  750,00")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral(" 1000,00")));
    EXPECT_EQ(lines[5].size(), 25);
    EXPECT_EQ(chart->Title().Text(), (QStringList{"Соотношение продуктов реакции", ""}));
    EXPECT_EQ(chart->LeftAxis().Title().Caption, QStringLiteral("Соотношение продуктов"));
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Температура, град. С"));
    EXPECT_EQ(chart->Series(2).Title(), QStringLiteral("Диоксид/СО"));
    EXPECT_EQ(chart->Series(3).Title(), QStringLiteral("Водород/СО"));
    EXPECT_FALSE(chart->Series(0).ShowInLegend());
    EXPECT_FALSE(chart->Series(1).ShowInLegend());
    EXPECT_TRUE(chart->Series(3).ShowInLegend());
    EXPECT_EQ(chart->Series(0).Count(), 0);
    ASSERT_EQ(chart->Series(2).Count(), 26);
    EXPECT_EQ(chart->Series(2).XValues().Value(0), engine->resultSeries.XValue[0]);
    EXPECT_EQ(chart->Series(2).YValues().Value(5), engine->resultSeries.CO2toCO[5]);
    EXPECT_EQ(chart->Series(3).YValues().Value(5), engine->resultSeries.H2toCO[5]);
    EXPECT_TRUE(form->findChild<QWidget*>("ComboBoxRatio")->isVisible());
    EXPECT_FALSE(form->findChild<QWidget*>("ComboBoxTemperature")->isVisible());
    EXPECT_FALSE(form->findChild<QWidget*>("LabelTemperature")->isVisible());

    // Pressure sweep, wet gas: the legend and the carbon dioxide and hydrogen titles
    // come back.
    Choose("RadioGroupAxisX", 2);
    Choose("RadioGroupAxisY", 1);
    lines = form->MemoLines();
    EXPECT_EQ(lines[0], QStringLiteral("Соотношение пар/метан, мол.д.: 2,5"));
    EXPECT_EQ(lines[1], QStringLiteral("Температура, град. С         : 860"));
    EXPECT_EQ(lines[3], QStringLiteral("Состав мокрого синтез-газа, мол. д."));
    EXPECT_EQ(lines[4],
              QStringLiteral(" Давление   CH4     CO      CO2     H2      N2   Изм. объема"));
    EXPECT_EQ(lines[5].size(), 57);
    EXPECT_EQ(chart->Title().Text(), (QStringList{"Состав мокрого синтез-газа", ""}));
    EXPECT_EQ(chart->LeftAxis().Title().Caption, QStringLiteral("Состав мокрого синтез-газа"));
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Давление, атм"));
    EXPECT_EQ(chart->Series(2).Title(), QStringLiteral("Диоксид"));
    EXPECT_EQ(chart->Series(3).Title(), QStringLiteral("Водород"));
    EXPECT_TRUE(chart->Series(0).ShowInLegend());
    EXPECT_TRUE(chart->Series(1).ShowInLegend());
    const int n = engine->resultSeries.LastIndex;
    ASSERT_EQ(chart->Series(0).Count(), n + 1);
    EXPECT_EQ(chart->Series(0).YValues().Value(static_cast<std::size_t>(n)),
              engine->resultSeries.CH4[n]);
    EXPECT_EQ(chart->Series(1).YValues().Value(0), engine->resultSeries.CO[0]);
    EXPECT_FALSE(form->findChild<QWidget*>("ComboBoxPressure")->isVisible());
    EXPECT_FALSE(form->findChild<QWidget*>("LabelPressure")->isVisible());
    EXPECT_TRUE(form->findChild<QWidget*>("ComboBoxTemperature")->isVisible());
}

TEST_F(MainFormTest, APointDesktopGetsAPointTable) {
    Open(QLocale::c());
    const QStringList lines = form->MemoLines();
    ASSERT_EQ(lines.size(), 5 + 77);
    EXPECT_EQ(lines[4],
              QStringLiteral(" пар/метан  CH4     CO      CO2     H2      N2   Изм. объема"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("    0.20")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("    4.00")));
}

TEST_F(MainFormTest, SavingWritesTheMemoAsWindows1251WithCrLf) {
    Open();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("table.txt");
    ASSERT_TRUE(form->SaveMemoToFile(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xD2\xE5\xEC\xEF")); // "Темп" in windows-1251
    EXPECT_EQ(bytes.count("\r\n"), 82);
    EXPECT_EQ(bytes.count('\n'), 82);
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    // Text typed by the user is saved as it stands; a trailing line break is no line.
    form->findChild<QPlainTextEdit*>("Memo")->setPlainText(QStringLiteral("abc\nдва\n"));
    ASSERT_TRUE(form->SaveMemoToFile(path)); // replaces the earlier file
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("abc\r\n\xE4\xE2\xE0\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, AFileThatCannotBeWrittenIsReportedAndTheProgramGoesOn) {
    Open();
    EXPECT_FALSE(form->SaveMemoToFile(QStringLiteral("/nonexistent-folder/table.txt")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].second.contains(QStringLiteral("table.txt")))
        << messages[0].second.toStdString();
    Choose("RadioGroupAxisY", 1);
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(MainFormTest, SaveDialogOffersTheThreeFiltersAndTheTxtExtension) {
    Create();
    QFileDialog* dialog = form->SaveDialog();
    EXPECT_EQ(dialog->nameFilters(), TMainForm::SaveFilters());
    EXPECT_EQ(dialog->nameFilters().front(), "Text Files (*.txt)");
    EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    // Replacing an existing file is confirmed first.
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(MainFormTest, PrintingSendsTheMemoInItsFont) {
    Open();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter& printer = form->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("table.pdf"));
    ASSERT_TRUE(form->PrintMemo(printer));
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), dir.filePath("table.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(20000));
    // The text tool may change the count of blanks between words; compare words.
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Температура, град. С: 860")));
    EXPECT_TRUE(text.contains(QStringLiteral("Состав сухого синтез-газа, мол. д.")));
    EXPECT_TRUE(text.contains(form->MemoLines().back().simplified()));
    EXPECT_TRUE(messages.isEmpty());
}
