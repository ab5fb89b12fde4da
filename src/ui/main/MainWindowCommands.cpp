// The main window's menu commands: what each item of the File, Edit, Options and Help
// menus does once the menu has emitted it.

#include <QComboBox>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include "report/NumberFormat.h"
#include "report/TableFile.h"
#include "ui/dialogs/ApproachReadBackWindow.h"
#include "ui/dialogs/CarbonLimitWindow.h"
#include "ui/dialogs/GoalSeekDialog.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/MapWindow.h"
#include "ui/dialogs/SweepRangeDialog.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"
#include "ui/dialogs/ValuePairDialog.h"
#include "ui/main/EntryPanel.h"
#include "ui/main/MainMenu.h"
#include "ui/main/MainWindow.h"
#include "ui/main/PlantSettings.h"
#include "ui/main/TablePrinter.h"
#include "ui/train/TrainWindow.h"

namespace quorvel {

// ---- File menu ----

QStringList MainWindow::SaveFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Data Files (*.dat)"),
            QStringLiteral("Result Files (*.res)")};
}

QStringList MainWindow::MemoLines() const {
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

bool MainWindow::SaveMemoToFile(const QString& fileName) {
    QString error;
    if (!quorvel::SaveTableFile(fileName, MemoLines(), &error)) {
        ShowError(ApplicationCaption(), error);
        return false;
    }
    return true;
}

void MainWindow::SaveAs() {
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

bool MainWindow::PrintMemo(QPrinter& printer) {
    QString error;
    if (!quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(Memo->font()), MemoLines(),
                                 &error)) {
        ShowError(ApplicationCaption(), error);
        return false;
    }
    return true;
}

void MainWindow::Print() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PrintMemo(*printer_);
}

void MainWindow::FilePrintSetup() {
    // The same printer object serves later printing, so the settings stay chosen.
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void MainWindow::FileExit() {
    close();
}

// ---- Edit, Options and Help menus ----

void MainWindow::EditStructureConvertibleGasItemClick() {
    if (dataForm_ != nullptr) {
        dataForm_->Present();
    }
}

void MainWindow::OptionsStandardDataClick(bool standard) {
    engine_.constants =
        standard ? quorvel::ConstantsSource::Standard : quorvel::ConstantsSource::Builtin;
    FormActivate();
}

void MainWindow::OptionsMarkCarbonClick(bool) {
    FormActivate();
}

QString MainWindow::SteamToCarbonUndefinedText() {
    return QStringLiteral("В исходном газе нет углеводородов: отношение пар/углерод (S/C) не "
                          "определено. Пар задается соотношением пар/метан.");
}

void MainWindow::OptionsSteamToCarbonClick(bool steamToCarbon) {
    if (steamToCarbon && !quorvel::SteamToCarbonDefined(engine_.feedTotals)) {
        // Refused: the item and the remembered choice stay off.
        Menu->UncheckSteamToCarbon(true);
        ShowError(ApplicationCaption(), SteamToCarbonUndefinedText());
        return;
    }
    ShowEntryUnits({steamToCarbon, engine_.units.pressure});
    FormActivate();
}

void MainWindow::OptionsPressureUnitClick(quorvel::PressureUnit unit) {
    ShowEntryUnits({engine_.units.steamToCarbon, unit});
    FormActivate();
}

void MainWindow::ShowEntryUnits(quorvel::EntryUnits units) {
    const quorvel::EntryUnits previous = engine_.units;
    engine_.units = units;
    Panel->ShowUnits(previous);
    if (goalSeekDialog_ != nullptr)
        goalSeekDialog_->ShowUnits(engine_);
    if (mapWindow_ != nullptr)
        mapWindow_->ShowUnits(engine_, previous.pressure);
}

bool MainWindow::MarkCarbon() const {
    return Menu->MarkCarbon();
}

void MainWindow::OptionsCarbonLimitClick() {
    if (carbonLimitWindow_ == nullptr) {
        carbonLimitWindow_ = new quorvel::CarbonLimitWindow(locale_, this);
        carbonLimitWindow_->PlaceOnScreenOf(this);
    }
    carbonLimitWindow_->Recalculate(engine_);
    carbonLimitWindow_->show();
    carbonLimitWindow_->raise();
    carbonLimitWindow_->activateWindow();
}

void MainWindow::OptionsSweepRangeClick() {
    if (sweepRangeDialog_ == nullptr) {
        sweepRangeDialog_ = new SweepRangeDialog(locale_, this);
        connect(sweepRangeDialog_, &QDialog::accepted, this, [this] {
            const SweptParameter swept = sweepRangeDialog_->Swept();
            sweepRanges_[static_cast<size_t>(IndexOf(swept))] = sweepRangeDialog_->Accepted();
            SaveSweepRange(swept, sweepRangeDialog_->Accepted());
            FormActivate();
        });
    }
    const SweptParameter swept = XAxisMode();
    sweepRangeDialog_->Present(engine_, swept, sweepRanges_[static_cast<size_t>(IndexOf(swept))]);
    sweepRangeDialog_->open();
}

void MainWindow::OptionsInletTemperaturesClick() {
    if (inletDialog_ == nullptr) {
        const QString unit = QStringLiteral("°C");
        inletDialog_ = new ValuePairDialog(
            QStringLiteral("Температуры на входе"),
            {{{QStringLiteral("Исходный газ на входе"), unit, InletCelsiusLowest,
               InletCelsiusHighest, true},
              {QStringLiteral("Пар на входе"), unit, InletCelsiusLowest, InletCelsiusHighest,
               true}}},
            QStringLiteral("Теплота процесса считается от этих температур исходного газа и "
                           "пара по данным NASA. Пустое поле: температура точки "
                           "(изотермическая теплота реакции)."),
            locale_, this);
        inletDialog_->setObjectName(QStringLiteral("InletDialog"));
        connect(inletDialog_, &QDialog::accepted, this, [this] {
            const ValuePairDialog::Values& values = inletDialog_->Accepted();
            engine_.inlet = {values[0].has_value(), values[0].value_or(0), values[1].has_value(),
                             values[1].value_or(0)};
            SaveInletTemperatures(engine_.inlet);
            FormActivate();
        });
    }
    const InletTemperatures& inlet = engine_.inlet;
    inletDialog_->SetValues(
        {inlet.feedGiven ? std::optional<double>(inlet.feedCelsius) : std::nullopt,
         inlet.steamGiven ? std::optional<double>(inlet.steamCelsius) : std::nullopt});
    inletDialog_->open();
}

void MainWindow::OptionsApproachClick() {
    if (approachDialog_ == nullptr) {
        const QString unit = QStringLiteral("K");
        approachDialog_ = new ValuePairDialog(
            QStringLiteral("Приближение к равновесию"),
            {{{QStringLiteral("Конверсия метана, ΔT1"), unit, ApproachLowest, ApproachHighest,
               false},
              {QStringLiteral("Конверсия CO, ΔT2"), unit, ApproachLowest, ApproachHighest, false}}},
            QStringLiteral("Положительное приближение: реакция не доходит до равновесия. "
                           "K1 берется при T − ΔT1, K2 при T + ΔT2; 0 и 0: само равновесие."),
            locale_, this);
        approachDialog_->setObjectName(QStringLiteral("ApproachDialog"));
        connect(approachDialog_, &QDialog::accepted, this, [this] {
            const ValuePairDialog::Values& values = approachDialog_->Accepted();
            engine_.approach = {values[0].value_or(0), values[1].value_or(0)};
            SaveApproach(engine_.approach);
            FormActivate();
        });
    }
    approachDialog_->SetValues({engine_.approach.Reforming, engine_.approach.Shift});
    approachDialog_->open();
}

void MainWindow::OptionsApproachReadBackClick() {
    if (readBackWindow_ == nullptr) {
        readBackWindow_ = new ApproachReadBackWindow(locale_, this);
        connect(readBackWindow_, &ApproachReadBackWindow::CalculateRequested, this, [this] {
            try {
                readBackWindow_->Recalculate(engine_);
            } catch (const std::exception& error) {
                ShowError(ApplicationCaption(), QString::fromUtf8(error.what()));
            }
        });
    }
    readBackWindow_->show();
    readBackWindow_->raise();
    readBackWindow_->activateWindow();
}

void MainWindow::OptionsProcessTrainClick() {
    if (trainWindow_ == nullptr)
        trainWindow_ = new TrainWindow(locale_, this);
    trainWindow_->SetMainWindowFeed(engine_.feedComposition, engine_.InputRatio);
    trainWindow_->show();
    trainWindow_->raise();
    trainWindow_->activateWindow();
}

void MainWindow::OptionsGoalSeekClick() {
    if (goalSeekDialog_ == nullptr) {
        goalSeekDialog_ = new GoalSeekDialog(locale_, this);
        connect(goalSeekDialog_, &GoalSeekDialog::CalculateRequested, this, [this] {
            try {
                goalSeekDialog_->Calculate(engine_);
            } catch (const std::exception& error) {
                ShowError(ApplicationCaption(), QString::fromUtf8(error.what()));
            }
        });
        connect(goalSeekDialog_, &GoalSeekDialog::ApplyRequested, this,
                &MainWindow::ApplyEntryValue);
    }
    goalSeekDialog_->ShowUnits(engine_);
    goalSeekDialog_->show();
    goalSeekDialog_->raise();
    goalSeekDialog_->activateWindow();
}

void MainWindow::ApplyEntryValue(SweptParameter parameter, double value) {
    static const char* const EntryNames[] = {"ComboBoxRatio", "ComboBoxTemperature",
                                             "ComboBoxPressure"};
    auto* entry = Panel->findChild<QComboBox*>(QString::fromLatin1(EntryNames[IndexOf(parameter)]));
    if (entry == nullptr)
        return;
    // The value is in the entered units (S/C, the pressure unit), written with fifteen
    // significant digits, as the table's header writes the entered values; a text
    // set by the program starts no cycle of its own, so the one below reads it.
    entry->setEditText(FormatGeneral(value, DecimalSeparator()));
    FormActivate();
}

void MainWindow::OptionsMapsClick() {
    if (mapWindow_ == nullptr) {
        mapWindow_ = new MapWindow(locale_, this);
        // Its first grid is written in atm.
        mapWindow_->ShowUnits(engine_, quorvel::PressureUnit::Atm);
        connect(mapWindow_, &MapWindow::CalculateRequested, this, [this] {
            try {
                mapWindow_->Calculate(engine_);
            } catch (const std::exception& error) {
                ShowError(ApplicationCaption(), QString::fromUtf8(error.what()));
            }
        });
        // The window opens on the map of its default grid rather than on an empty chart.
        emit mapWindow_->CalculateRequested();
    }
    mapWindow_->show();
    mapWindow_->raise();
    mapWindow_->activateWindow();
}

void MainWindow::HelpContents() {
    if (helpViewer_ == nullptr) {
        helpViewer_ = new HelpViewer(this);
    }
    helpViewer_->ShowContents(HelpFileCandidates());
}

void MainWindow::HelpHowToUse() {
    if (helpViewer_ == nullptr) {
        helpViewer_ = new HelpViewer(this);
    }
    helpViewer_->ShowHowToUse();
}

void MainWindow::HelpAbout() {
    if (aboutBox_ != nullptr) {
        aboutBox_->exec();
    }
}

} // namespace quorvel
