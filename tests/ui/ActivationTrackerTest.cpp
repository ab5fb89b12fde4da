#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>
#include <QWindow>

#include "ui/ActivationTracker.h"

using quorvel::ActivationTracker;
using quorvel::WindowKind;

TEST(ActivationTracker, OnlyAReturnFromANonModalWindowCounts) {
    ActivationTracker tracker;
    // The first activation at start-up is the window's first display, handled apart.
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Main));

    // Feed dialog and back: a cycle.
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::NonModal));
    EXPECT_TRUE(tracker.FocusMovedTo(WindowKind::Main));

    // A modal dialog or message box and back: none.
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Modal));
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Main));

    // Another application and back: none.
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::None));
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Main));

    // A popup list or menu over the main window does not count as leaving it.
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Transient));
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Main));
}

TEST(ActivationTracker, RemembersTheProgramsLastWindowAcrossOtherApplications) {
    ActivationTracker tracker;
    tracker.FocusMovedTo(WindowKind::Main);
    // Dialog, then another application, then straight back to the main window: the
    // focus comes from the dialog as far as the program is concerned.
    tracker.FocusMovedTo(WindowKind::NonModal);
    tracker.FocusMovedTo(WindowKind::None);
    EXPECT_TRUE(tracker.FocusMovedTo(WindowKind::Main));

    // A message box over the feed dialog, back to the dialog, then to the main window.
    tracker.FocusMovedTo(WindowKind::NonModal);
    tracker.FocusMovedTo(WindowKind::Modal);
    tracker.FocusMovedTo(WindowKind::NonModal);
    EXPECT_TRUE(tracker.FocusMovedTo(WindowKind::Main));

    // Repeated activations of the main window itself start nothing.
    EXPECT_FALSE(tracker.FocusMovedTo(WindowKind::Main));
}

TEST(ActivationTracker, ClassifiesTheProgramsWindows) {
    QWidget main;
    main.winId();
    QDialog nonModal(&main);
    nonModal.winId();
    QDialog modal(&main);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.winId();
    QWidget popup(nullptr, Qt::Popup);
    popup.winId();

    const QWindow* mainWindow = main.windowHandle();
    EXPECT_EQ(quorvel::ClassifyWindow(nullptr, mainWindow), WindowKind::None);
    EXPECT_EQ(quorvel::ClassifyWindow(mainWindow, mainWindow), WindowKind::Main);
    EXPECT_EQ(quorvel::ClassifyWindow(nonModal.windowHandle(), mainWindow), WindowKind::NonModal);
    EXPECT_EQ(quorvel::ClassifyWindow(modal.windowHandle(), mainWindow), WindowKind::Modal);
    EXPECT_EQ(quorvel::ClassifyWindow(popup.windowHandle(), mainWindow), WindowKind::Transient);
}
