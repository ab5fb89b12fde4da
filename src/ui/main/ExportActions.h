#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QFileDialog;
class QMenu;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace quorvel {

class TChart;

// The main window's ways of taking results out of the window: the CSV export, the
// chart picture (PNG or SVG), copying the table and the chart to the clipboard, and
// the print preview. The window supplies the texts and the printing; this class owns
// the dialogs and writes the files.
class ExportActions : public QObject {
    Q_OBJECT

public:
    struct Sources {
        std::function<QStringList()> tableLines; // the table as shown
        std::function<QStringList()> csvLines;   // the CSV file's lines, comments first
        std::function<bool(QPrinter&)> printTable;
        std::function<void(const QString&)> showError;
        std::function<QStringList()> pictureCaption; // the conditions under a chart picture
    };
    // Runs a preview dialog instead of its exec(); tests use it to look inside.
    using PreviewRunner = std::function<void(QPrintPreviewDialog&)>;

    // The chart, the printer and the parent window must outlive this object.
    ExportActions(quorvel::TChart& chart, QPrinter& printer, Sources sources, QWidget* parent);

    // Appends to menu the checkable item that puts the caption (Sources::pictureCaption)
    // under saved and copied chart pictures: off on the first run, then remembered.
    QAction* AddCaptionOption(QMenu* menu);
    // Whether chart pictures get the caption.
    bool PictureCaption() const;
    // Where the choice is kept: the settings file's group and key.
    static QString PictureCaptionKey();

    // The menu commands.
    void ExportCsv();
    void SaveChartPicture();
    void CopyTable();
    void CopyChart();
    void PrintPreview();

    // The work behind them, without the dialogs; false after an error has been shown.
    bool ExportCsvToFile(const QString& fileName);
    bool SaveChartToFile(const QString& fileName);

    QFileDialog* CsvDialog() const { return csvDialog_; }
    QFileDialog* PictureDialog() const { return pictureDialog_; }
    void SetPreviewRunner(PreviewRunner runner) { previewRunner_ = std::move(runner); }

    // The file-dialog filters: CSV; PNG first, then SVG.
    static QStringList CsvFilters();
    static QStringList PictureFilters();

private:
    // Runs a save dialog and returns the chosen name, empty when cancelled.
    static QString ChooseFile(QFileDialog& dialog);
    // The caption lines when the option is on, none otherwise.
    QStringList CaptionLines() const;

    quorvel::TChart& chart_;
    QPrinter& printer_;
    Sources sources_;
    QWidget* parent_;
    QFileDialog* csvDialog_ = nullptr;
    QFileDialog* pictureDialog_ = nullptr;
    PreviewRunner previewRunner_;
    QAction* captionItem_ = nullptr;
};

} // namespace quorvel
