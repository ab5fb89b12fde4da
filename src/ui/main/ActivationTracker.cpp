#include "ui/main/ActivationTracker.h"

#include <QWindow>

namespace quorvel {

WindowKind ClassifyWindow(const QWindow* window, const QWindow* mainWindow) {
    if (window == nullptr) {
        return WindowKind::None;
    }
    if (window == mainWindow) {
        return WindowKind::Main;
    }
    switch (window->type()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
    case Qt::Drawer:
        return WindowKind::Transient;
    default:
        break;
    }
    return window->modality() == Qt::NonModal ? WindowKind::NonModal : WindowKind::Modal;
}

bool ActivationTracker::FocusMovedTo(WindowKind kind) {
    switch (kind) {
    case WindowKind::None:
    case WindowKind::Transient:
        return false;
    case WindowKind::Main: {
        const bool fromNonModal = lastProgramWindow_ == WindowKind::NonModal;
        lastProgramWindow_ = WindowKind::Main;
        return fromNonModal;
    }
    case WindowKind::NonModal:
    case WindowKind::Modal:
        lastProgramWindow_ = kind;
        return false;
    }
    return false;
}

} // namespace quorvel
