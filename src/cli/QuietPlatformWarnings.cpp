#include "cli/QuietPlatformWarnings.h"

#include <QString>
#include <QtGlobal>

namespace quorvel {

namespace {

QtMessageHandler previousHandler = nullptr;

void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void QuietRuntimeFolderWarning() {
    previousHandler = qInstallMessageHandler(FilterMessage);
}

} // namespace quorvel
