// The window "Технологическая схема": it solves the case it shows on every change, a
// stage that cannot be solved says why in its column, a case saved by the window reads
// back to identical results, and the table prints.

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include "chart/widget/TChart.h"
#include "engine/TrainExamples.h"
#include "report/TrainFigures.h"
#include "report/TrainReport.h"
#include "ui/train/TrainStageForm.h"
#include "ui/train/TrainWindow.h"

namespace quorvel {
namespace {

TEST(TrainWindow, ShowsTheExampleAndSolvesAgainOnEveryChange) {
    TrainWindow window(QLocale::c());
    const TrainResult& r = window.Result();
    ASSERT_EQ(r.solvedCount, 5);
    EXPECT_EQ(window.StageList()->count(), 5);
    EXPECT_EQ(window.ResultsTable()->columnCount(), 5);
    // The table shows the solved outlet temperatures.
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(window.ResultsTable()->item(2, s)->text(),
                  QString::number(r.stages[s].outletKelvin - StandardKelvinOffset, 'f', 1));
    }
    EXPECT_EQ(window.ResultsTable()->item(3, 0)->text(), QStringLiteral("33.00"));
    EXPECT_EQ(window.ResultsTable()->item(4, 0)->text(), QStringLiteral("0.0")); // adiabatic
    EXPECT_EQ(window.TemperatureChart()->Model().Series(0).Count(), 10);

    // The reformer's outlet raised in its form: solved again at once.
    window.StageList()->setCurrentRow(1);
    const int before = window.RecalculationCount();
    const double duty = r.stages[1].dutyJ;
    window.StageForm()->ThermalValueBox()->setValue(850);
    EXPECT_EQ(window.RecalculationCount(), before + 1);
    EXPECT_EQ(window.Case().train.stages[1].outletTemperatureC, 850);
    EXPECT_GT(r.stages[1].dutyJ, duty);

    // The secondary burns an oxidant of its own composition: the fields count as shares
    // of their sum, and a leaner nitrogen share needs more oxidant for the same (H2+CO)/N2.
    window.StageList()->setCurrentRow(2);
    const double airAmount = r.stages[2].oxidantMolPerMolFeed;
    window.StageForm()->OxidantKindBox()->setCurrentIndex(
        static_cast<int>(OxidantKind::Composition));
    const double shares[OxidantCount] = {10, 30, 0, 0, 0};
    for (int c = 0; c < OxidantCount; ++c)
        window.StageForm()->OxidantPercentBox(c)->setValue(shares[c]);
    const OxidantStream& own = window.Case().train.stages[2].oxidant;
    EXPECT_EQ(own.kind, OxidantKind::Composition);
    EXPECT_DOUBLE_EQ(own.percent[OxidantO2], 25);
    EXPECT_DOUBLE_EQ(own.percent[OxidantN2], 75);
    EXPECT_EQ(r.solvedCount, 5);
    EXPECT_GT(r.stages[2].oxidantMolPerMolFeed, airAmount);
    window.StageForm()->OxidantKindBox()->setCurrentIndex(static_cast<int>(OxidantKind::Air));

    // A target no amount of air reaches: the secondary says why, the shifts are not
    // computed.
    window.StageForm()->OxidantValueBox()->setValue(5000);
    EXPECT_EQ(r.solvedCount, 2);
    EXPECT_EQ(window.ResultsTable()->item(0, 2)->text(),
              StageFailureText(StageFailure::TargetUnreachable));
    EXPECT_EQ(window.ResultsTable()->item(0, 3)->text(),
              StageFailureText(StageFailure::NotComputed));

    // Stages added, moved and removed.
    window.AddStage(); // a copy of the secondary after it
    EXPECT_EQ(window.Case().train.stageCount, 6);
    EXPECT_EQ(window.Case().train.stages[3].kind, StageKind::Secondary);
    window.MoveStage(1);
    EXPECT_EQ(window.Case().train.stages[4].kind, StageKind::Secondary);
    EXPECT_EQ(window.Case().train.stages[3].kind, StageKind::Shift);
    window.RemoveStage();
    EXPECT_EQ(window.Case().train.stageCount, 5);
    EXPECT_EQ(window.ResultsTable()->columnCount(), 5);
}

TEST(TrainWindow, NumberFieldsUseTheWindowsDecimalSeparator) {
    for (const QLocale& locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale::c()}) {
        TrainWindow window(locale);
        const QChar point = locale.decimalPoint().at(0);
        const QChar other = point == u',' ? u'.' : u',';
        const QList<QDoubleSpinBox*> boxes = window.findChildren<QDoubleSpinBox*>();
        ASSERT_FALSE(boxes.isEmpty());
        for (const QDoubleSpinBox* box : boxes)
            if (box->decimals() > 0) {
                EXPECT_TRUE(box->text().contains(point)) << box->text().toStdString();
                EXPECT_FALSE(box->text().contains(other)) << box->text().toStdString();
            }
    }
}

TEST(TrainWindow, ASavedCaseReadsBackToIdenticalResultsAndPrints) {
    QTemporaryDir dir;
    TrainWindow window(QLocale::c());
    TrainCaseFile file{QStringLiteral("Водород"), HydrogenPlantExample()};
    file.train.stages[1].approach = {12.5, 3.25};
    window.SetCase(file);
    const QByteArray shown = TrainJson(window.Case(), window.Result());
    QString error;
    ASSERT_TRUE(window.SaveCaseFile(dir.filePath("h2.json"), &error)) << error.toStdString();

    TrainWindow other(QLocale::c());
    ASSERT_TRUE(other.OpenCaseFile(dir.filePath("h2.json"), &error)) << error.toStdString();
    EXPECT_EQ(TrainJson(other.Case(), other.Result()), shown);
    EXPECT_EQ(other.StageList()->count(), 3);

    // A refused file leaves the shown case as it was.
    QFile bad(dir.filePath("bad.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"capacity\": 5}");
    bad.close();
    EXPECT_FALSE(other.OpenCaseFile(dir.filePath("bad.json"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("feed: значение обязательно")))
        << error.toStdString();
    EXPECT_EQ(TrainJson(other.Case(), other.Result()), shown);

    ASSERT_TRUE(other.ExportCsvFile(dir.filePath("h2.csv"), &error));
    QFile csv(dir.filePath("h2.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(),
              (TrainCsvLines(other.Case(), other.Result()).join('\n') + '\n').toUtf8());

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("h2.pdf"));
    ASSERT_TRUE(other.PrintTo(printer, &error)) << error.toStdString();
    QProcess process;
    process.start(pdftotext,
                  {QStringLiteral("-layout"), dir.filePath("h2.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Ступень 3: конверсия CO (shift)")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Схема: Водород")));
}

} // namespace
} // namespace quorvel
