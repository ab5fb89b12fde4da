#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace quorvel {

// The program's help file: the process's current directory at the moment of the call
// followed by "/Help/Help.html". It is built anew at every call, so it follows the
// current directory (a file dialog may change it), not the program file's location.
QString HelpFilePath();

// Where the help file is looked for, in order: HelpFilePath(), then the Help folder next
// to the program file, then the installed data folder (<prefix>/share/quorvel/Help,
// beside the program's bin folder).
QStringList HelpFileCandidates();

// A top-level window that shows the program's help. The Help menu keeps one instance:
//   "&Contents"         -> viewer.ShowContents(HelpFileCandidates());
//   "&How to Use Help"  -> viewer.ShowHowToUse();
// Both show the window and bring it to the front. A missing or unreadable help file is
// reported inside the viewer itself; nothing is thrown and no message box is shown.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Opens the help file at path and shows its first page.
    void ShowContents(const QString& path);
    // Opens the first of the paths that is a readable file; when there is none, the page
    // says so and lists every path that was tried.
    void ShowContents(const QStringList& candidates);
    // Shows the viewer's own instructions on using the help.
    void ShowHowToUse();

    // The browser, for tests: its document holds what the window shows.
    QTextBrowser* Browser() const { return browser_; }

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowPage();

    QTextBrowser* browser_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* forwardButton_ = nullptr;
    QPushButton* contentsButton_ = nullptr;
    QString contentsPath_;
};

} // namespace quorvel
