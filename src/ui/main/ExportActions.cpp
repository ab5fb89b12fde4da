#include "ui/main/ExportActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "views/ChartPicture.h"
#include "chart/widget/TChart.h"
#include "report/CsvExport.h"
#include "report/OutputFile.h"
#include "ui/main/RememberedOption.h"

namespace quorvel {

ExportActions::ExportActions(quorvel::TChart& chart, QPrinter& printer, Sources sources,
                             QWidget* parent)
    : QObject(parent), chart_(chart), printer_(printer), sources_(std::move(sources)),
      parent_(parent) {
    csvDialog_ = new QFileDialog(parent);
    csvDialog_->setObjectName(QStringLiteral("CsvDialog"));
    csvDialog_->setWindowTitle(QStringLiteral("Export CSV"));
    csvDialog_->setAcceptMode(QFileDialog::AcceptSave);
    csvDialog_->setFileMode(QFileDialog::AnyFile);
    csvDialog_->setNameFilters(CsvFilters());
    csvDialog_->setDefaultSuffix(QStringLiteral("csv"));

    pictureDialog_ = new QFileDialog(parent);
    pictureDialog_->setObjectName(QStringLiteral("PictureDialog"));
    pictureDialog_->setWindowTitle(QStringLiteral("Save Chart Picture"));
    pictureDialog_->setAcceptMode(QFileDialog::AcceptSave);
    pictureDialog_->setFileMode(QFileDialog::AnyFile);
    pictureDialog_->setNameFilters(PictureFilters());
    pictureDialog_->setDefaultSuffix(QStringLiteral("png"));
    // A name typed without extension gets the one of the chosen file type.
    connect(pictureDialog_, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        pictureDialog_->setDefaultSuffix(filter == PictureFilters().back() ? QStringLiteral("svg")
                                                                           : QStringLiteral("png"));
    });
}

QAction* ExportActions::AddCaptionOption(QMenu* menu) {
    captionItem_ = AddRememberedOption(menu, QStringLiteral("Ca&ption under chart pictures"),
                                       QStringLiteral("OptionsPictureCaptionItem"),
                                       PictureCaptionKey(), this, [](bool) {});
    return captionItem_;
}

bool ExportActions::PictureCaption() const {
    return captionItem_ != nullptr && captionItem_->isChecked();
}

QString ExportActions::PictureCaptionKey() {
    return QStringLiteral("Options/ChartPictureCaption");
}

QStringList ExportActions::CaptionLines() const {
    if (!PictureCaption() || !sources_.pictureCaption)
        return {};
    return sources_.pictureCaption();
}

QStringList ExportActions::CsvFilters() {
    return {QStringLiteral("CSV Files (*.csv)")};
}

QStringList ExportActions::PictureFilters() {
    return {QStringLiteral("PNG Pictures (*.png)"), QStringLiteral("SVG Pictures (*.svg)")};
}

QString ExportActions::ChooseFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return {};
    dialog.selectFile(chosen.front());
    return chosen.front();
}

bool ExportActions::ExportCsvToFile(const QString& fileName) {
    QString error;
    if (!quorvel::SaveUtf8TextFile(fileName, sources_.csvLines(), &error)) {
        sources_.showError(error);
        return false;
    }
    return true;
}

bool ExportActions::SaveChartToFile(const QString& fileName) {
    QString reason;
    const QByteArray picture = quorvel::ChartModelPicture(
        chart_.Model(), chart_.size(), quorvel::PictureFormatFor(fileName), &reason,
        chart_.PictureMemory(), CaptionLines());
    if (picture.isEmpty()) {
        sources_.showError(QStringLiteral("Не удалось нарисовать диаграмму для «%1»: %2.")
                               .arg(QDir::toNativeSeparators(fileName), reason));
        return false;
    }
    QString error;
    if (!quorvel::WriteOutputFile(QFile::encodeName(fileName), picture, &error)) {
        sources_.showError(error);
        return false;
    }
    return true;
}

void ExportActions::ExportCsv() {
    const QString fileName = ChooseFile(*csvDialog_);
    if (!fileName.isEmpty())
        ExportCsvToFile(fileName);
}

void ExportActions::SaveChartPicture() {
    const QString fileName = ChooseFile(*pictureDialog_);
    if (!fileName.isEmpty())
        SaveChartToFile(fileName);
}

void ExportActions::CopyTable() {
    QApplication::clipboard()->setText(sources_.tableLines().join(u'\n'));
}

void ExportActions::CopyChart() {
    QApplication::clipboard()->setImage(
        quorvel::WithPictureCaption(chart_.Picture(), CaptionLines(), chart_.Model().PanelColor()));
}

void ExportActions::PrintPreview() {
    // The same printer object as Print and Print Setup: the preview shows their page
    // settings, and its print button prints with them.
    QPrintPreviewDialog dialog(&printer_, parent_);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { sources_.printTable(*printer); });
    if (previewRunner_)
        previewRunner_(dialog);
    else
        dialog.exec();
}

} // namespace quorvel
