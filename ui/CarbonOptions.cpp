#include "ui/CarbonOptions.h"

#include <QAction>
#include <QMenu>

#include "ui/ProgramSettings.h"

namespace quorvel {

QString CarbonOptions::MarkCarbonKey() {
    return QStringLiteral("Options/MarkCarbonFormation");
}

CarbonOptions::CarbonOptions(QMenu* menu, QObject* parent) : QObject(parent) {
    menu->addSeparator();
    markItem_ = menu->addAction(QStringLiteral("Mark &carbon formation"));
    markItem_->setObjectName(QStringLiteral("OptionsMarkCarbonItem"));
    markItem_->setCheckable(true);
    markItem_->setChecked(ProgramSettings().value(MarkCarbonKey(), false).toBool());
    // triggered, not toggled: only the user's choice is saved and starts a cycle.
    connect(markItem_, &QAction::triggered, this, [this](bool checked) {
        QSettings settings = ProgramSettings();
        settings.setValue(MarkCarbonKey(), checked);
        settings.sync();
        emit MarkCarbonChanged(checked);
    });
    limitItem_ = menu->addAction(QStringLiteral("Carbon &limit..."));
    limitItem_->setObjectName(QStringLiteral("OptionsCarbonLimitItem"));
    connect(limitItem_, &QAction::triggered, this, &CarbonOptions::CarbonLimitRequested);
}

bool CarbonOptions::MarkCarbon() const {
    return markItem_->isChecked();
}

} // namespace quorvel
