// The main window's menu commands: what each item of the File, Edit, Options and Help
// menus does once the menu has emitted it.

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include "report/TableFile.h"
#include "ui/CarbonLimitWindow.h"
#include "ui/HelpViewer.h"
#include "ui/MainMenu.h"
#include "ui/MainWindow.h"
#include "ui/TAboutBox.h"
#include "ui/TDataForm.h"
#include "ui/TablePrinter.h"

namespace quorvel {

// ---- File menu ----

QStringList MainWindow::SaveFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Data Files (*.dat)"),
            QStringLiteral("Result Files (*.res)")};
}

QStringList MainWindow::MemoLines() const {
    const QString text = Memo->toPlainText();
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool MainWindow::SaveMemoToFile(const QString& fileName) {
    QString error;
    if (!quorvel::SaveTableFile(fileName, MemoLines(), &error)) {
        ShowError(ApplicationCaption(), error);
        return false;
    }
    return true;
}

void MainWindow::SaveAs() {
    // The dialog keeps its directory and offers the name chosen last time; replacing an
    // existing file is confirmed first.
    if (saveDialog_->exec() != QDialog::Accepted) {
        return;
    }
    const QStringList chosen = saveDialog_->selectedFiles();
    if (chosen.isEmpty()) {
        return;
    }
    saveDialog_->selectFile(chosen.front());
    SaveMemoToFile(chosen.front());
}

bool MainWindow::PrintMemo(QPrinter& printer) {
    QString error;
    if (!quorvel::PrintTextLines(printer, quorvel::PrinterFontFor(Memo->font()), MemoLines(),
                                 &error)) {
        ShowError(ApplicationCaption(), error);
        return false;
    }
    return true;
}

void MainWindow::Print() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PrintMemo(*printer_);
}

void MainWindow::FilePrintSetup() {
    // The same printer object serves later printing, so the settings stay chosen.
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void MainWindow::FileExit() {
    close();
}

// ---- Edit, Options and Help menus ----

void MainWindow::EditStructureConvertibleGasItemClick() {
    if (dataForm_ != nullptr) {
        dataForm_->Present();
    }
}

void MainWindow::OptionsStandardDataClick(bool standard) {
    engine_.constants =
        standard ? quorvel::ConstantsSource::Standard : quorvel::ConstantsSource::Builtin;
    FormActivate();
}

void MainWindow::OptionsMarkCarbonClick(bool) {
    FormActivate();
}

bool MainWindow::MarkCarbon() const {
    return Menu->MarkCarbon();
}

void MainWindow::OptionsCarbonLimitClick() {
    if (carbonLimitWindow_ == nullptr) {
        carbonLimitWindow_ = new quorvel::CarbonLimitWindow(locale_, this);
        carbonLimitWindow_->PlaceOnScreenOf(this);
    }
    carbonLimitWindow_->Recalculate(engine_);
    carbonLimitWindow_->show();
    carbonLimitWindow_->raise();
    carbonLimitWindow_->activateWindow();
}

void MainWindow::HelpContents() {
    if (helpViewer_ == nullptr) {
        helpViewer_ = new HelpViewer(this);
    }
    helpViewer_->ShowContents(HelpFileCandidates());
}

void MainWindow::HelpHowToUse() {
    if (helpViewer_ == nullptr) {
        helpViewer_ = new HelpViewer(this);
    }
    helpViewer_->ShowHowToUse();
}

void MainWindow::HelpAbout() {
    if (aboutBox_ != nullptr) {
        aboutBox_->exec();
    }
}

} // namespace quorvel
