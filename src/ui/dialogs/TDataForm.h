#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>

#include "engine/Engine.h"
#include "ui/dialogs/FeedFieldParser.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

// The feed composition window "InitialData": nine volume percentages of the feed gas,
// which must add up to 100. It is a non-modal window with a dialog border, created once
// at start-up after the engine holds the pure-methane feed, then only shown (show(),
// never exec()) and hidden. Create it without a parent: it is then a top-level window of
// its own, which the main window can come in front of.
//
// OK checks that every field holds a complete number, stores the nine values in
// engine.feedComposition, and when none is negative and they add up to 100 derives
// engine.feedTotals (PreparationVar) and hides the window. Cancel and the close box hide it without
// storing. The edits keep whatever the user typed; they are written from the feed only once, at
// construction.
class TDataForm : public QDialog {
    Q_OBJECT

public:
    // Shows a modal message with the given text; tests replace it to record messages.
    using MessageHook = std::function<void(QWidget* parent, const QString& text)>;

    static constexpr int RowCount = quorvel::FeedComponentCount;

    // Copies engine.feedComposition into Edit1..Edit9 (SaveDataToForm). The engine must
    // outlive the window.
    explicit TDataForm(quorvel::Engine& engine, QWidget* parent = nullptr);

    // Writes the nine feed values into the edits: two decimals, a point whatever the
    // locale, right-aligned in seven characters.
    void SaveDataToForm();

    // Reads the nine edits into engine.feedComposition. Stores nothing and returns the
    // index (0..8) of the first field that is not a complete number, if there is one.
    std::optional<int> SaveDataToVar();

    // Shows the window, restored if it was minimised, in front and active.
    void Present();

    // The OK button: store, check the signs and the total, derive the feed totals and hide.
    void ButtonOkClick();
    // The Cancel button and the close box: hide without storing.
    void ButtonCancelClick();
    // Activation of this window; nothing the user or the rest of the program can see.
    void FormActivate();

    // Replaces how messages are shown; an empty hook restores the message box.
    void SetMessageHook(MessageHook hook);

    // The row widgets, index 0..8 (Edit1..Edit9, Label1..Label9).
    QLineEdit* Edit(int index) const { return edits_[static_cast<size_t>(index)]; }
    QLabel* Label(int index) const { return labels_[static_cast<size_t>(index)]; }
    QPushButton* OkButton() const { return ButtonOk; }
    QPushButton* CancelButton() const { return ButtonCancel; }

    // The message shown when the total of the nine values is not 100.
    static QString SumMessage();
    // The message shown when a field is not a number; rowLabel is the row's label text,
    // fault what is wrong with the field.
    static QString MalformedFieldMessage(const QString& rowLabel, FeedFieldFault fault);
    // The message shown when a field holds a percentage below zero.
    static QString NegativeFieldMessage(const QString& rowLabel);

signals:
    // Emitted whenever the program hides the window (OK, Cancel, close box).
    void Hidden();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowMessage(const QString& text);

    quorvel::Engine& engine_;
    MessageHook messageHook_;

    QFrame* Bevel1 = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QLabel* Label10 = nullptr;
    std::array<QLabel*, RowCount> labels_{};
    std::array<QLineEdit*, RowCount> edits_{};
};

} // namespace quorvel
