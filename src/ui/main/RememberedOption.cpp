#include "ui/main/RememberedOption.h"

#include <QAction>
#include <QMenu>

#include "ui/main/ProgramSettings.h"

namespace quorvel {

QAction* AddRememberedOption(QMenu* menu, const QString& caption, const QString& objectName,
                             const QString& key, QObject* context,
                             std::function<void(bool)> changed) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(objectName);
    item->setCheckable(true);
    item->setChecked(ProgramSettings().value(key, false).toBool());
    // triggered, not toggled: only the user's choice is saved and reported.
    QObject::connect(item, &QAction::triggered, context,
                     [key, changed = std::move(changed)](bool checked) {
                         QSettings settings = ProgramSettings();
                         settings.setValue(key, checked);
                         settings.sync();
                         changed(checked);
                     });
    return item;
}

} // namespace quorvel
