#pragma once

#include <QPointer>
#include <QString>

class QPlainTextEdit;
class QWidget;

namespace quorvel {

// Where the user is in the results table and in its window: the focus widget, the two
// scroll positions and the text cursor. A recalculation hides the table and replaces its
// text, which loses all of them; they are taken before and put back after.
struct MemoViewState {
    QPointer<QWidget> focus; // the window's focus widget
    QString columns;         // what names the old table's columns (set by the caller)
    int horizontal = 0;
    int vertical = 0;
    int cursorLine = 0;
    int cursorColumn = 0;
};

MemoViewState CaptureMemoView(const QPlainTextEdit& memo);

// Puts the state back on the shown memo; positions beyond the new text are limited to it.
// The horizontal place (scroll and cursor column) is kept only when the new table's
// `columns` are those of the old one; a table of other columns starts at the left, so
// its first column, the swept value, is in sight.
void RestoreMemoView(QPlainTextEdit& memo, const MemoViewState& state, const QString& columns);

} // namespace quorvel
