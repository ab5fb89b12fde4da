#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace quorvel {

// The carbon items of the Options menu: the checkable "Mark &carbon formation" (off on
// the first run, remembered between runs in the program's settings) and
// "Carbon &limit...", which asks for the window of the minimum steam ratio.
class CarbonOptions : public QObject {
    Q_OBJECT

public:
    // Appends a separator and both items to menu; checks the first as the settings say.
    CarbonOptions(QMenu* menu, QObject* parent);

    QAction* MarkCarbonItem() const { return markItem_; }
    QAction* CarbonLimitItem() const { return limitItem_; }
    bool MarkCarbon() const;

    // Where the marking choice is kept: the settings file's group and key.
    static QString MarkCarbonKey();

signals:
    // The user changed the marking; the new choice is already saved.
    void MarkCarbonChanged(bool mark);
    void CarbonLimitRequested();

private:
    QAction* markItem_ = nullptr;
    QAction* limitItem_ = nullptr;
};

} // namespace quorvel
