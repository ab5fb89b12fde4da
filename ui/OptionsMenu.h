#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace quorvel {

// The Options menu of the main window: one checkable item that takes the equilibrium
// constants from the standard thermodynamic data instead of the program's correlation.
// The choice is off on the first run and is remembered between runs in the program's
// settings (QSettings, INI format, user scope, organisation "Quorvel").
class OptionsMenu : public QObject {
    Q_OBJECT

public:
    // Adds the menu at the end of bar and checks the item as the settings say.
    OptionsMenu(QMenuBar* bar, QObject* parent);

    QMenu* Menu() const { return menu_; }
    QAction* StandardDataItem() const { return standardDataItem_; }
    bool StandardData() const;

    // Where the choice is kept: the settings file's group and key.
    static QString StandardDataKey();

signals:
    // The user changed the item; the new choice is already saved.
    void StandardDataChanged(bool standard);

private:
    QMenu* menu_ = nullptr;
    QAction* standardDataItem_ = nullptr;
};

} // namespace quorvel
