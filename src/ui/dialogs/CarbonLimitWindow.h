#pragma once

#include <QLocale>
#include <QMainWindow>
#include <QStringList>

#include <memory>

#include "engine/CarbonLimit.h"
#include "engine/Engine.h"

class QFileDialog;
class QPlainTextEdit;

namespace quorvel {

class TChart;

// The non-modal window "Граница выпадения углерода": the minimum steam ratio against
// temperature as a chart, with its table beside it, for the feed, the entered pressure
// and the equilibrium constants of the main window's last cycle. File, "Save As..."
// saves the table as the main window saves its own.
class CarbonLimitWindow : public QMainWindow {
    Q_OBJECT

public:
    // The locale gives the table's decimal separator.
    explicit CarbonLimitWindow(const QLocale& locale, QWidget* parent = nullptr);
    ~CarbonLimitWindow() override;

    // Puts the window, before its first display, in the middle of the screen that shows
    // `window`, wholly on it.
    void PlaceOnScreenOf(const QWidget* window);

    // Computes the table anew from the engine and shows it.
    void Recalculate(Engine& engine);
    int RecalculationCount() const { return recalculations_; }

    const CarbonLimitTable& Table() const { return *table_; }
    // The table's lines as shown and saved.
    const QStringList& TableLines() const { return lines_; }
    TChart* Chart() const { return chart_; }
    QPlainTextEdit* Memo() const { return memo_; }
    QFileDialog* SaveDialog() const { return saveDialog_; }

    // File, "Save As...": the dialog, then the file; a failure is shown in a message box.
    void SaveAs();
    // The file alone, windows-1251 with CR LF like the main table; false and a message
    // naming the file on failure.
    bool SaveTableToFile(const QString& fileName, QString* errorMessage) const;

private:
    QLocale locale_;
    std::unique_ptr<CarbonLimitTable> table_;
    QStringList lines_;
    int recalculations_ = 0;
    TChart* chart_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
};

} // namespace quorvel
