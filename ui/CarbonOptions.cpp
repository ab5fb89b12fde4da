#include "ui/CarbonOptions.h"

#include <QAction>
#include <QMenu>

#include "ui/RememberedOption.h"

namespace quorvel {

QString CarbonOptions::MarkCarbonKey() {
    return QStringLiteral("Options/MarkCarbonFormation");
}

CarbonOptions::CarbonOptions(QMenu* menu, QObject* parent) : QObject(parent) {
    menu->addSeparator();
    markItem_ = AddRememberedOption(menu, QStringLiteral("Mark &carbon formation"),
                                    QStringLiteral("OptionsMarkCarbonItem"), MarkCarbonKey(), this,
                                    [this](bool checked) { emit MarkCarbonChanged(checked); });
    limitItem_ = menu->addAction(QStringLiteral("Carbon &limit..."));
    limitItem_->setObjectName(QStringLiteral("OptionsCarbonLimitItem"));
    connect(limitItem_, &QAction::triggered, this, &CarbonOptions::CarbonLimitRequested);
}

bool CarbonOptions::MarkCarbon() const {
    return markItem_->isChecked();
}

} // namespace quorvel
