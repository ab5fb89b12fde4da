#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "engine/Engine.h"
#include "tests/support/QtPrinters.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"
#include "ui/main/EntryPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RadioGroup.h"

inline const QLocale RussianLocale(QLocale::Russian, QLocale::Russia);

// quorvel-sweep's standard output as lines; empty when it did not end with status 0.
inline QStringList SweepProgramLines(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUORVEL_SWEEP_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// A main window on the off-screen platform whose error messages are recorded instead of
// shown.
class MainFormTest : public ::testing::Test {
protected:
    void Create(const QLocale& locale = RussianLocale) {
        engine = std::make_unique<quorvel::Engine>();
        form = std::make_unique<quorvel::MainWindow>(*engine, locale);
        form->SetMessageHook([this](const QString& caption, const QString& text) {
            messages.append({caption, text});
        });
    }

    void Open(const QLocale& locale = RussianLocale) {
        Create(locale);
        form->show();
        ASSERT_TRUE(Activate(form.get()));
    }

    // Waits until the window holds the focus; the widget's own "active" test also
    // counts a parent's activation, which is not what the cycle follows.
    [[nodiscard]] static bool WaitForFocus(QWidget* window) {
        return QTest::qWaitFor(
            [window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
    }
    [[nodiscard]] static bool Activate(QWidget* window) {
        window->activateWindow();
        return WaitForFocus(window);
    }

    void TearDown() override {
        form.reset();
        engine.reset();
    }

    QComboBox* Entry(const char* name) const { return form->findChild<QComboBox*>(name); }
    quorvel::RadioGroup* Group(const char* name) const {
        return form->findChild<quorvel::RadioGroup*>(name);
    }

    // Replaces an entry's text by typing, as the user does: select all, then the keys.
    static void Type(QComboBox* entry, const QString& text) {
        entry->lineEdit()->selectAll();
        for (const QChar c : text) {
            QTest::keyClick(entry, c.toLatin1());
        }
    }
    static void Press(QComboBox* entry, Qt::Key key) { QTest::keyClick(entry, key); }

    void Choose(const char* group, int index) { Group(group)->Button(index)->click(); }

    std::unique_ptr<quorvel::Engine> engine;
    std::unique_ptr<quorvel::MainWindow> form;
    QList<QPair<QString, QString>> messages; // caption, text
};

// A main window with its About box and feed window attached, as the program makes it,
// so its menus are complete.
class MainFormWithDialogsTest : public MainFormTest {
protected:
    // Shown and active: its first cycle has run.
    void OpenWithMenus(const QLocale& locale = RussianLocale) {
        Create(locale);
        about = std::make_unique<quorvel::TAboutBox>(form.get());
        feed = std::make_unique<quorvel::TDataForm>(*engine, form.get());
        form->AttachDialogs(about.get(), feed.get());
        form->show();
        ASSERT_TRUE(Activate(form.get()));
        ASSERT_EQ(form->CycleCount(), 1);
    }
    // The dialogs first: the window owns them as their parent.
    void CloseWindow() {
        feed.reset();
        about.reset();
        form.reset();
    }
    void TearDown() override {
        CloseWindow();
        MainFormTest::TearDown();
    }

    std::unique_ptr<quorvel::TAboutBox> about;
    std::unique_ptr<quorvel::TDataForm> feed;
};

// The same, for tests of remembered choices: Forget clears them before and after each test.
class MainFormWithSettingsTest : public MainFormWithDialogsTest {
protected:
    virtual void Forget() = 0;
    void SetUp() override { Forget(); }
    void TearDown() override {
        MainFormWithDialogsTest::TearDown();
        Forget();
    }
};
