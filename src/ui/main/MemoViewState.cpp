#include "ui/main/MemoViewState.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace quorvel {

MemoViewState CaptureMemoView(const QPlainTextEdit& memo) {
    MemoViewState state;
    state.focus = memo.window()->focusWidget();
    state.horizontal = memo.horizontalScrollBar()->value();
    state.vertical = memo.verticalScrollBar()->value();
    const QTextCursor cursor = memo.textCursor();
    state.cursorLine = cursor.blockNumber();
    state.cursorColumn = cursor.positionInBlock();
    return state;
}

void RestoreMemoView(QPlainTextEdit& memo, const MemoViewState& state, const QString& columns) {
    const bool sameColumns = state.columns == columns;
    QTextDocument* document = memo.document();
    const QTextBlock block =
        document->findBlockByNumber(std::min(state.cursorLine, document->blockCount() - 1));
    if (block.isValid()) {
        QTextCursor cursor(block);
        const int column = sameColumns ? state.cursorColumn : 0;
        cursor.setPosition(block.position() + std::min(column, block.length() - 1));
        memo.setTextCursor(cursor);
    }

    // The scroll ranges are known only once the lines are laid out; the table's lines
    // are few, so they are laid out now.
    if (auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout())) {
        for (QTextBlock line = document->begin(); line.isValid(); line = line.next()) {
            layout->ensureBlockLayout(line);
        }
    }
    memo.verticalScrollBar()->setValue(state.vertical);
    memo.horizontalScrollBar()->setValue(sameColumns ? state.horizontal : 0);

    if (state.focus != nullptr && state.focus != memo.window()->focusWidget() &&
        state.focus->isVisible() && state.focus->isEnabled()) {
        state.focus->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace quorvel
