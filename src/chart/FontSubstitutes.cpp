#include "chart/FontSubstitutes.h"

#include <QFont>
#include <QString>

namespace quorvel {

void InstallFontSubstitutes() {
    const QString sans = QStringLiteral("Liberation Sans");
    const QString mono = QStringLiteral("Liberation Mono");
    QFont::insertSubstitution(QStringLiteral("PROMT Helv Cyr"), sans);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Courier New"), mono);
}

} // namespace quorvel
