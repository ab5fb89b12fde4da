#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QWindow>

#include "ui/main/ActivationTracker.h"

using quorvel::WindowKind;

TEST(ActivationTracker, OnlyAReturnFromANonModalProgramWindowCounts) {
    quorvel::ActivationTracker tracker;
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Main)); // the first display, handled apart
    struct Step {
        WindowKind away;
        bool cycle;
    };
    for (const Step step : {Step{WindowKind::NonModal, true}, Step{WindowKind::Modal, false},
                            Step{WindowKind::None, false}, Step{WindowKind::Transient, false},
                            Step{WindowKind::Main, false}}) {
        tracker.FocusMovedTo(step.away);
        EXPECT_EQ(tracker.FocusMovedTo(WindowKind::Main), step.cycle) << int(step.away);
    }
    // Feed dialog, another application, then straight back to the main window: the
    // program's last window was the dialog. A message box over the dialog changes nothing.
    for (WindowKind between : {WindowKind::None, WindowKind::Modal}) {
        tracker.FocusMovedTo(WindowKind::NonModal);
        tracker.FocusMovedTo(between);
        if (between == WindowKind::Modal) {
            tracker.FocusMovedTo(WindowKind::NonModal);
        }
        EXPECT_TRUE(tracker.FocusMovedTo(WindowKind::Main));
    }
}

TEST(ActivationTracker, ClassifiesTheProgramsWindows) {
    QWidget main;
    QDialog nonModal(&main);
    QDialog modal(&main);
    modal.setWindowModality(Qt::ApplicationModal);
    QWidget popup(nullptr, Qt::Popup);
    for (QWidget* w :
         {&main, static_cast<QWidget*>(&nonModal), static_cast<QWidget*>(&modal), &popup}) {
        w->winId();
    }
    const QWindow* mainWindow = main.windowHandle();
    EXPECT_EQ(quorvel::ClassifyWindow(nullptr, mainWindow), WindowKind::None);
    EXPECT_EQ(quorvel::ClassifyWindow(mainWindow, mainWindow), WindowKind::Main);
    EXPECT_EQ(quorvel::ClassifyWindow(nonModal.windowHandle(), mainWindow), WindowKind::NonModal);
    EXPECT_EQ(quorvel::ClassifyWindow(modal.windowHandle(), mainWindow), WindowKind::Modal);
    EXPECT_EQ(quorvel::ClassifyWindow(popup.windowHandle(), mainWindow), WindowKind::Transient);
}
