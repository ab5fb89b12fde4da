#pragma once

#include <QObject>
#include <QString>

#include "engine/EntryUnits.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quorvel {

class ExportActions;

// The main window's menus, File, Edit, Options and Help, built in one place when the
// window is made. The export, copy and preview items call the export actions directly;
// every other item is a signal that the window connects to its handler.
//
// The checkable Options items ("Standard thermodynamic data (NASA)", "Steam as S/C",
// "Mark carbon formation", the picture caption) are off on the first run and remembered
// between runs in the program's settings (QSettings, INI format, user scope, organisation
// "Quorvel"), as is the pressure unit (atm on the first run).
class MainMenu : public QObject {
    Q_OBJECT

public:
    // Fills bar; the export actions must outlive the menu.
    MainMenu(QMenuBar* bar, quorvel::ExportActions& exports, QObject* parent);

    bool StandardData() const;
    bool MarkCarbon() const;
    bool SteamToCarbon() const;
    quorvel::PressureUnit PressureUnit() const;
    // Unchecks "Steam as S/C" when the feed has no hydrocarbon carbon for S/C to refer to:
    // for this run only, or with the remembered choice off too (a choice refused at once).
    void UncheckSteamToCarbon(bool rememberOff);

    // Where the remembered choices are kept: the settings file's group and key.
    static QString StandardDataKey();
    static QString MarkCarbonKey();
    static QString SteamToCarbonKey();
    static QString PressureUnitKey();

signals:
    void SaveAsRequested();
    void PrintRequested();
    void PrintSetupRequested();
    void ExitRequested();
    void FeedDialogRequested();
    // The user changed a remembered choice; the new one is already saved.
    void StandardDataChanged(bool standard);
    void MarkCarbonChanged(bool mark);
    void SteamToCarbonChanged(bool steamToCarbon);
    void PressureUnitChanged(quorvel::PressureUnit unit);
    void CarbonLimitRequested();
    void InletTemperaturesRequested();
    void ApproachRequested();
    void ApproachReadBackRequested();
    void ProcessTrainRequested();
    void SweepRangeRequested();
    void GoalSeekRequested();
    void MapsRequested();
    void HelpContentsRequested();
    void HelpHowToUseRequested();
    void HelpAboutRequested();

private:
    void BuildFileMenu(QMenuBar* bar, quorvel::ExportActions& exports);
    void BuildEditMenu(QMenuBar* bar, quorvel::ExportActions& exports);
    void BuildOptionsMenu(QMenuBar* bar, quorvel::ExportActions& exports);
    void BuildHelpMenu(QMenuBar* bar);
    void BuildPressureUnitMenu(QMenu* options);
    // Adds an item with its object name whose choice emits signal.
    template <typename Signal>
    QAction* AddCommand(QMenu* menu, const QString& caption, const char* name, Signal signal);

    QAction* standardDataItem_ = nullptr;
    QAction* markCarbonItem_ = nullptr;
    QAction* steamToCarbonItem_ = nullptr;
    QAction* pressureUnitItems_[quorvel::PressureUnitCount] = {};
};

} // namespace quorvel
