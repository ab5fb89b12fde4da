#include "ui/OptionsMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/RememberedOption.h"

namespace quorvel {

QString OptionsMenu::StandardDataKey() {
    return QStringLiteral("Options/StandardThermodynamicData");
}

OptionsMenu::OptionsMenu(QMenuBar* bar, QObject* parent) : QObject(parent) {
    menu_ = bar->addMenu(QStringLiteral("&Options"));
    menu_->setObjectName(QStringLiteral("OptionsMenu"));
    standardDataItem_ =
        AddRememberedOption(menu_, QStringLiteral("&Standard thermodynamic data (NASA)"),
                            QStringLiteral("OptionsStandardDataItem"), StandardDataKey(), this,
                            [this](bool checked) { emit StandardDataChanged(checked); });
}

bool OptionsMenu::StandardData() const {
    return standardDataItem_->isChecked();
}

} // namespace quorvel
