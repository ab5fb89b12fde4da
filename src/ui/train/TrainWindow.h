#pragma once

#include <QLocale>
#include <QMainWindow>
#include <QStringList>

#include <memory>

#include "engine/TrainSolver.h"
#include "report/TrainCaseFile.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPrinter;
class QTableWidget;

namespace quorvel {

class TChart;
class TrainStageForm;

// The non-modal window "Технологическая схема": the stages of a reformer train as a list
// one can add to, remove from and reorder, the selected stage's parameters in a form, the
// plant's capacity and the steam, and the results as a table per stage and two charts
// (temperature along the train; the dry gas at each stage's outlet). Every change solves
// the train again at once. File: New, Open, Save, Save As (case files, QSaveFile),
// Export CSV, Print.
//
// The main window hands over its feed and entries with SetMainWindowFeed; File, New
// starts from them (the worked ammonia front end with that feed and steam ratio).
class TrainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit TrainWindow(const QLocale& locale, QWidget* parent = nullptr);
    ~TrainWindow() override;

    // The main window's feed and its steam ratio (mol per mol feed gas) for File, New.
    void SetMainWindowFeed(const FeedComposition& feed, double steamMolPerMolFeed);

    // Shows a case and solves it.
    void SetCase(const TrainCaseFile& file);
    const TrainCaseFile& Case() const { return case_; }
    const TrainResult& Result() const { return *result_; }
    int RecalculationCount() const { return recalculations_; }
    // The table's lines as printed and shown in a stage's tool tip.
    QStringList TableLines() const;

    // The file operations without their dialogs; false with a Russian message on failure.
    bool OpenCaseFile(const QString& fileName, QString* errorMessage);
    bool SaveCaseFile(const QString& fileName, QString* errorMessage);
    bool ExportCsvFile(const QString& fileName, QString* errorMessage) const;
    bool PrintTo(QPrinter& printer, QString* errorMessage) const;

    QListWidget* StageList() const { return stageList_; }
    TrainStageForm* StageForm() const { return form_; }
    QTableWidget* ResultsTable() const { return table_; }
    TChart* TemperatureChart() const { return temperatureChart_; }
    TChart* CompositionChart() const { return compositionChart_; }

    // The list's buttons.
    void AddStage();
    void RemoveStage();
    void MoveStage(int step);

private:
    void NewCase();
    void Open();
    void Save();
    void SaveAs();
    void ExportCsv();
    void Print();
    void ReadCaseFields();
    void FillFromCase();
    void Recalculate();
    void ShowResults();
    void ShowStageList();

    QLocale locale_;
    TrainCaseFile case_{};
    std::unique_ptr<TrainWorkspace> workspace_;
    std::unique_ptr<TrainResult> result_;
    QString fileName_;
    FeedComposition mainFeed_{};
    double mainSteam_ = 0;
    bool mainFeedGiven_ = false;
    bool filling_ = false;
    int recalculations_ = 0;
    QString faultText_; // a floating-point fault of the last solve

    QListWidget* stageList_ = nullptr;
    TrainStageForm* form_ = nullptr;
    QComboBox* capacityKind_ = nullptr;
    QDoubleSpinBox* capacity_ = nullptr;
    QDoubleSpinBox* feedTemperature_ = nullptr;
    QComboBox* steamKind_ = nullptr;
    QDoubleSpinBox* steam_ = nullptr;
    QDoubleSpinBox* steamTemperature_ = nullptr;
    QLabel* feedLabel_ = nullptr;
    QTableWidget* table_ = nullptr;
    TChart* temperatureChart_ = nullptr;
    TChart* compositionChart_ = nullptr;
};

} // namespace quorvel
