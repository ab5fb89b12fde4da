#pragma once

#include <QPointer>

class QPlainTextEdit;
class QWidget;

namespace quorvel {

// Where the user is in the results table and in its window: the focus widget, the two
// scroll positions and the text cursor. A recalculation hides the table and replaces its
// text, which loses all of them; they are taken before and put back after.
struct MemoViewState {
    QPointer<QWidget> focus; // the window's focus widget
    int horizontal = 0;
    int vertical = 0;
    int cursorLine = 0;
    int cursorColumn = 0;
};

MemoViewState CaptureMemoView(const QPlainTextEdit& memo);

// Puts the state back on the shown memo; positions beyond the new text are limited to it.
void RestoreMemoView(QPlainTextEdit& memo, const MemoViewState& state);

} // namespace quorvel
