#include "ui/OptionsMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace quorvel {

namespace {

QSettings ProgramSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                     QStringLiteral("quorvel"));
}

} // namespace

QString OptionsMenu::StandardDataKey() {
    return QStringLiteral("Options/StandardThermodynamicData");
}

OptionsMenu::OptionsMenu(QMenuBar* bar, QObject* parent) : QObject(parent) {
    menu_ = bar->addMenu(QStringLiteral("&Options"));
    menu_->setObjectName(QStringLiteral("OptionsMenu"));
    standardDataItem_ = menu_->addAction(QStringLiteral("&Standard thermodynamic data (NASA)"));
    standardDataItem_->setObjectName(QStringLiteral("OptionsStandardDataItem"));
    standardDataItem_->setCheckable(true);
    standardDataItem_->setChecked(ProgramSettings().value(StandardDataKey(), false).toBool());
    // triggered, not toggled: only the user's choice is saved and starts a cycle.
    connect(standardDataItem_, &QAction::triggered, this, [this](bool checked) {
        QSettings settings = ProgramSettings();
        settings.setValue(StandardDataKey(), checked);
        settings.sync();
        emit StandardDataChanged(checked);
    });
}

bool OptionsMenu::StandardData() const {
    return standardDataItem_->isChecked();
}

} // namespace quorvel
