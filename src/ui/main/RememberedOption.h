#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QObject;

namespace quorvel {

// Appends a checkable item to menu whose choice is remembered between runs in the
// program's settings under `key` (off on the first run). When the user changes it, the
// new choice is saved first and then `changed` is called with it; a change made by
// the program itself (setChecked) is neither saved nor reported.
QAction* AddRememberedOption(QMenu* menu, const QString& caption, const QString& objectName,
                             const QString& key, QObject* context,
                             std::function<void(bool)> changed);

} // namespace quorvel
