#pragma once

#include <QSettings>

namespace quorvel {

// Where the program keeps the choices of its Options menu: an INI file in the user's
// settings folder, organisation "Quorvel", application "quorvel".
inline QSettings ProgramSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                     QStringLiteral("quorvel"));
}

} // namespace quorvel
