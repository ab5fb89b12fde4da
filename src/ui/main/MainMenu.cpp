#include "ui/main/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "report/ShownParameters.h"
#include "ui/main/ExportActions.h"
#include "ui/main/ProgramSettings.h"
#include "ui/main/RememberedOption.h"

namespace quorvel {

QString MainMenu::StandardDataKey() {
    return QStringLiteral("Options/StandardThermodynamicData");
}

QString MainMenu::MarkCarbonKey() {
    return QStringLiteral("Options/MarkCarbonFormation");
}

QString MainMenu::SteamToCarbonKey() {
    return QStringLiteral("Options/SteamAsSteamToCarbon");
}

QString MainMenu::PressureUnitKey() {
    return QStringLiteral("Options/PressureUnit");
}

MainMenu::MainMenu(QMenuBar* bar, quorvel::ExportActions& exports, QObject* parent)
    : QObject(parent) {
    BuildFileMenu(bar, exports);
    BuildEditMenu(bar, exports);
    BuildOptionsMenu(bar, exports);
    BuildHelpMenu(bar);
}

template <typename Signal>
QAction* MainMenu::AddCommand(QMenu* menu, const QString& caption, const char* name,
                              Signal signal) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, [this, signal] { emit(this->*signal)(); });
    return item;
}

void MainMenu::BuildFileMenu(QMenuBar* bar, quorvel::ExportActions& exports) {
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("FileMenu"));
    AddCommand(menu, QStringLiteral("Save &As..."), "FileSaveAsItem", &MainMenu::SaveAsRequested);
    menu->addAction(QStringLiteral("&Export CSV..."), &exports, &ExportActions::ExportCsv)
        ->setObjectName(QStringLiteral("FileExportCsvItem"));
    menu->addAction(QStringLiteral("Save &Chart Picture..."), &exports,
                    &ExportActions::SaveChartPicture)
        ->setObjectName(QStringLiteral("FileSaveChartItem"));
    menu->addSeparator();
    AddCommand(menu, QStringLiteral("&Print"), "FilePrintItem", &MainMenu::PrintRequested);
    menu->addAction(QStringLiteral("Print Pre&view..."), &exports, &ExportActions::PrintPreview)
        ->setObjectName(QStringLiteral("FilePrintPreviewItem"));
    AddCommand(menu, QStringLiteral("P&rint Setup..."), "FilePrintSetupItem",
               &MainMenu::PrintSetupRequested);
    menu->addSeparator();
    AddCommand(menu, QStringLiteral("E&xit"), "FileExitItem", &MainMenu::ExitRequested);
}

void MainMenu::BuildEditMenu(QMenuBar* bar, quorvel::ExportActions& exports) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Edit"));
    menu->setObjectName(QStringLiteral("EditMenu"));
    AddCommand(menu, QStringLiteral("Structure of convertible gas"),
               "EditStructureConvertibleGasItem", &MainMenu::FeedDialogRequested);
    // Ctrl+C stays with the table and the entries, which copy their selection with it;
    // the window's copy commands take Ctrl+Shift and the letter of each one.
    menu->addSeparator();
    QAction* copyTable =
        menu->addAction(QStringLiteral("&Copy Table"), &exports, &ExportActions::CopyTable);
    copyTable->setObjectName(QStringLiteral("EditCopyTableItem"));
    copyTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* copyChart =
        menu->addAction(QStringLiteral("Copy C&hart"), &exports, &ExportActions::CopyChart);
    copyChart->setObjectName(QStringLiteral("EditCopyChartItem"));
    copyChart->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
}

void MainMenu::BuildOptionsMenu(QMenuBar* bar, quorvel::ExportActions& exports) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Options"));
    menu->setObjectName(QStringLiteral("OptionsMenu"));
    standardDataItem_ =
        AddRememberedOption(menu, QStringLiteral("&Standard thermodynamic data (NASA)"),
                            QStringLiteral("OptionsStandardDataItem"), StandardDataKey(), this,
                            [this](bool checked) { emit StandardDataChanged(checked); });
    // "w": the "S" of the caption is the standard data's access key.
    AddCommand(menu, QStringLiteral("S&weep range..."), "OptionsSweepRangeItem",
               &MainMenu::SweepRangeRequested);
    steamToCarbonItem_ = AddRememberedOption(
        menu, QStringLiteral("St&eam as S/C"), QStringLiteral("OptionsSteamToCarbonItem"),
        SteamToCarbonKey(), this, [this](bool checked) { emit SteamToCarbonChanged(checked); });
    BuildPressureUnitMenu(menu);
    menu->addSeparator();
    AddCommand(menu, QStringLiteral("&Inlet temperatures..."), "OptionsInletTemperaturesItem",
               &MainMenu::InletTemperaturesRequested);
    AddCommand(menu, QStringLiteral("&Approach to equilibrium..."), "OptionsApproachItem",
               &MainMenu::ApproachRequested);
    AddCommand(menu, QStringLiteral("Approach from gas a&nalysis..."),
               "OptionsApproachReadBackItem", &MainMenu::ApproachReadBackRequested);
    AddCommand(menu, QStringLiteral("Process &train..."), "OptionsProcessTrainItem",
               &MainMenu::ProcessTrainRequested);
    AddCommand(menu, QStringLiteral("&Goal seek..."), "OptionsGoalSeekItem",
               &MainMenu::GoalSeekRequested);
    AddCommand(menu, QStringLiteral("&Maps..."), "OptionsMapsItem", &MainMenu::MapsRequested);
    menu->addSeparator();
    markCarbonItem_ = AddRememberedOption(
        menu, QStringLiteral("Mark &carbon formation"), QStringLiteral("OptionsMarkCarbonItem"),
        MarkCarbonKey(), this, [this](bool checked) { emit MarkCarbonChanged(checked); });
    AddCommand(menu, QStringLiteral("Carbon &limit..."), "OptionsCarbonLimitItem",
               &MainMenu::CarbonLimitRequested);
    exports.AddCaptionOption(menu);
}

void MainMenu::BuildPressureUnitMenu(QMenu* options) {
    QMenu* menu = options->addMenu(QStringLiteral("Pressure &unit"));
    menu->setObjectName(QStringLiteral("OptionsPressureUnitMenu"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    // The unit is kept by its command-line word; anything else reads as atm.
    const QString saved = ProgramSettings().value(PressureUnitKey()).toString();
    static const char* const Captions[PressureUnitCount] = {"&atm", "&bar", "&MPa", "&kgf/cm2"};
    for (const quorvel::PressureUnit unit : AllPressureUnits) {
        const QString word = QString::fromLatin1(CaptionsOf(unit).word);
        QAction* item = menu->addAction(QString::fromLatin1(Captions[static_cast<int>(unit)]));
        item->setObjectName(QStringLiteral("OptionsPressureUnit_") + word);
        item->setCheckable(true);
        item->setChecked(saved == word);
        group->addAction(item);
        pressureUnitItems_[static_cast<int>(unit)] = item;
        connect(item, &QAction::triggered, this, [this, unit, word] {
            QSettings settings = ProgramSettings();
            settings.setValue(PressureUnitKey(), word);
            settings.sync();
            emit PressureUnitChanged(unit);
        });
    }
    if (group->checkedAction() == nullptr)
        pressureUnitItems_[0]->setChecked(true);
}

void MainMenu::BuildHelpMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("HelpMenu"));
    AddCommand(menu, QStringLiteral("&Contents"), "HelpContentsItem",
               &MainMenu::HelpContentsRequested);
    AddCommand(menu, QStringLiteral("&How to Use Help"), "HelpHowToUseItem",
               &MainMenu::HelpHowToUseRequested);
    menu->addSeparator();
    AddCommand(menu, QStringLiteral("&About..."), "HelpAboutItem", &MainMenu::HelpAboutRequested);
}

bool MainMenu::StandardData() const {
    return standardDataItem_->isChecked();
}

bool MainMenu::MarkCarbon() const {
    return markCarbonItem_->isChecked();
}

bool MainMenu::SteamToCarbon() const {
    return steamToCarbonItem_->isChecked();
}

void MainMenu::UncheckSteamToCarbon(bool rememberOff) {
    steamToCarbonItem_->setChecked(false);
    if (rememberOff) {
        QSettings settings = ProgramSettings();
        settings.setValue(SteamToCarbonKey(), false);
        settings.sync();
    }
}

quorvel::PressureUnit MainMenu::PressureUnit() const {
    for (const quorvel::PressureUnit unit : AllPressureUnits) {
        if (pressureUnitItems_[static_cast<int>(unit)]->isChecked())
            return unit;
    }
    return quorvel::PressureUnit::Atm;
}

} // namespace quorvel
