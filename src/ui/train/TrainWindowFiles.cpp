// The train window's File commands: case files opened and saved, the CSV exported and the
// table printed, each with its dialog and its message on failure.
#include "ui/train/TrainWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTableWidget>

#include "report/TrainReport.h"
#include "ui/dialogs/CenteredMessageBox.h"
#include "ui/main/TablePrinter.h"

namespace quorvel {

namespace {

const QString CaseFilter = QStringLiteral("Case Files (*.json)");
const QString CsvFilter = QStringLiteral("CSV Files (*.csv)");

} // namespace

bool TrainWindow::OpenCaseFile(const QString& fileName, QString* errorMessage) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorMessage =
            QStringLiteral("Не удалось открыть файл «%1»: %2").arg(fileName, file.errorString());
        return false;
    }
    const TrainCaseReading reading = ReadTrainCase(file.readAll());
    if (!reading.ok) {
        *errorMessage = QStringLiteral("Файл «%1» не принят: %2").arg(fileName, reading.message());
        return false;
    }
    fileName_ = fileName;
    SetCase(reading.file);
    return true;
}

bool TrainWindow::SaveCaseFile(const QString& fileName, QString* errorMessage) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(WriteTrainCase(case_)) < 0 ||
        !file.commit()) {
        *errorMessage =
            QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(fileName, file.errorString());
        return false;
    }
    fileName_ = fileName;
    return true;
}

bool TrainWindow::ExportCsvFile(const QString& fileName, QString* errorMessage) const {
    QSaveFile file(fileName);
    const QByteArray bytes = (TrainCsvLines(case_, *result_).join('\n') + '\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        *errorMessage =
            QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

bool TrainWindow::PrintTo(QPrinter& printer, QString* errorMessage) const {
    return PrintTextLines(printer, PrinterFontFor(table_->font()), TableLines(), errorMessage);
}

void TrainWindow::Open() {
    const QString name =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open"), fileName_, CaseFilter);
    QString error;
    if (!name.isEmpty() && !OpenCaseFile(name, &error)) {
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
    }
}

void TrainWindow::Save() {
    if (fileName_.isEmpty()) {
        SaveAs();
        return;
    }
    QString error;
    if (!SaveCaseFile(fileName_, &error)) {
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
    }
}

void TrainWindow::SaveAs() {
    QFileDialog dialog(this, QStringLiteral("Save As"), fileName_, CaseFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString error;
    if (!SaveCaseFile(dialog.selectedFiles().front(), &error)) {
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
    }
}

void TrainWindow::ExportCsv() {
    QFileDialog dialog(this, QStringLiteral("Export CSV"), QString(), CsvFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString error;
    if (!ExportCsvFile(dialog.selectedFiles().front(), &error)) {
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
    }
}

void TrainWindow::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QString error;
    if (!PrintTo(printer, &error)) {
        ShowCenteredMessage(QMessageBox::Critical, QCoreApplication::applicationName(), error);
    }
}

} // namespace quorvel
