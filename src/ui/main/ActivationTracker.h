#pragma once

class QWindow;

namespace quorvel {

// What kind of window of the program holds the focus.
enum class WindowKind {
    None,      // no window of the program: the user is in another application
    Main,      // the main window
    NonModal,  // another ordinary window of the program, e.g. the feed dialog
    Modal,     // a modal dialog or message box
    Transient, // a popup list, menu or tooltip; it does not count as a window change
};

// Classifies the window that has just received the focus.
WindowKind ClassifyWindow(const QWindow* window, const QWindow* mainWindow);

// Decides when the main window's activation starts a recalculation: only when the focus
// comes to it from another non-modal window of the program. Closing a modal dialog or
// a message box does not count, nor does coming back from another application to the
// window that was active before. Time spent in another application does not make the
// program forget which of its windows was active last.
class ActivationTracker {
public:
    // Called on every change of the focused window; true when a cycle should run.
    bool FocusMovedTo(WindowKind kind);

private:
    WindowKind lastProgramWindow_ = WindowKind::None;
};

} // namespace quorvel
