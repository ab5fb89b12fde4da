// The calculator's entry: creates the main window, then the About box, then the feed
// dialog, and runs the message loop until the main window closes. No argument or file is
// read; the only setting is the Options menu's choice, which the menu itself keeps.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "engine/Engine.h"
#include "chart/FontSubstitutes.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"
#include "ui/main/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quorvel::InstallFontSubstitutes();

    // The toolkit's own dialogs (saving, printing, the print preview) speak the program's
    // language, Russian, like every message of the program; the program's English captions
    // (menus, its dialogs' buttons) are its own texts and no translation touches them.
    // Without Qt's translations installed (qt6-translations-l10n) they stay English.
    QTranslator toolkitTranslator;
    if (toolkitTranslator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qt"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&toolkitTranslator);

    // The engine's state lives as long as the program.
    auto engine = std::make_unique<quorvel::Engine>();

    // The main window's creation sets the feed to pure methane, so the feed dialog,
    // created after it, shows that feed.
    quorvel::MainWindow mainForm(*engine);
    quorvel::TAboutBox aboutBox(&mainForm);
    // The feed dialog has no parent: a window of its own, not kept above the main one.
    quorvel::TDataForm dataForm(*engine);
    mainForm.AttachDialogs(&aboutBox, &dataForm);

    // Closing the main window ends the program, whatever other window is still open.
    QObject::connect(&mainForm, &quorvel::MainWindow::Closed, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    mainForm.show();
    return application.exec();
}
