#include "cli/BatchCommand.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "cli/BatchInput.h"
#include "cli/BatchModes.h"
#include "cli/SweepCommand.h"
#include "report/CsvLines.h"
#include "report/OutputFile.h"
#include "report/SweepCaptions.h"
#include "report/TableFile.h"

namespace quorvel {

namespace {

QString CaseContext(const BatchCase& batchCase) {
    return QStringLiteral("случай %1 (строка %2 пакетного файла): ")
        .arg(batchCase.number)
        .arg(batchCase.line);
}

QString BatchFileName(const std::string& name) {
    return name == "-" ? QStringLiteral("стандартный ввод") : QFile::decodeName(name.c_str());
}

QString ReadFailure(const std::string& name, int error) {
    return QStringLiteral("не удалось прочитать пакетный файл «%1»: %2")
        .arg(BatchFileName(name), FileErrorReasonFor(error, QByteArray(name.c_str())));
}

QString HeaderRow(const QStringList& csv) {
    return QStringLiteral("case,sweep,view,x,") + csv.value(0).section(QLatin1Char(','), 1);
}

// The case's rows: its number, sweep and view before each row of its CSV. Every row has
// the wet view's H2O column, empty in the other views, so that one header fits all.
QStringList CaseRows(const QStringList& csv, int number, const SweepOptions& options) {
    constexpr int WaterField = 6; // after x, CH4, CO, CO2, H2, N2
    const QString prefix = QStringLiteral("%1,%2,%3,")
                               .arg(number)
                               .arg(QString::fromUtf8(CaptionsOf(options.XAxisMode).word),
                                    QString::fromUtf8(CaptionsOf(options.YAxisMode).word));
    QStringList rows;
    for (qsizetype row = 1; row < csv.size(); ++row) {
        QStringList fields = csv[row].split(QLatin1Char(','));
        if (options.YAxisMode != ResultView::Wet)
            fields.insert(WaterField, QString());
        rows << prefix + fields.join(QLatin1Char(','));
    }
    return rows;
}

// Where the rows go: the file of --output through the table file writer, or `out`.
class RowSink {
public:
    RowSink(const SweepOptions& options, std::FILE* out) : out_(out) {
        if (options.outputFile)
            file_ = std::make_unique<TableFileWriter>(QByteArray(options.outputFile->c_str()));
    }
    bool open(QString* message) { return !file_ || file_->open(message); }
    bool write(const QStringList& lines, QString* message) {
        if (file_)
            return file_->write(lines, message);
        return PrintLines(lines, out_) || StandardOutputFailed(errno, message);
    }
    bool finish(QString* message) { return !file_ || file_->commit(message); }

private:
    std::FILE* out_;
    std::unique_ptr<TableFileWriter> file_;
};

} // namespace

int RunBatchCommand(const SweepOptions& options, std::FILE* out, std::FILE* err) {
    const std::string& name = *options.batchFile;
    const bool standardInput = name == "-";
    const int descriptor =
        standardInput ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        PrintMessage(err, ReadFailure(name, errno));
        return ExitBadInput;
    }
    struct Closer {
        int descriptor;
        bool owned;
        ~Closer() {
            if (owned)
                ::close(descriptor);
        }
    } closer{descriptor, !standardInput};
    BatchReader reader([descriptor](char* buffer, std::size_t size) -> std::ptrdiff_t {
        for (;;) {
            const ssize_t count = ::read(descriptor, buffer, size);
            if (count >= 0 || errno != EINTR)
                return count;
        }
    });

    const std::string headerError = reader.readHeader();
    if (!headerError.empty()) {
        PrintMessage(err, reader.readError() != 0 ? ReadFailure(name, reader.readError())
                                                  : QString::fromUtf8(headerError));
        return ExitBadInput;
    }
    RowSink sink(options, out);
    QString message;
    if (!sink.open(&message)) {
        PrintMessage(err, message);
        return ExitFailure;
    }

    bool refused = false;
    bool faulted = false;
    bool headerWritten = false;
    auto engine = std::make_unique<Engine>();
    // With a mode column every row names its mode; without it the rows read as before.
    const auto& columns = reader.columns();
    const bool modes = std::find(columns.begin(), columns.end(), "mode") != columns.end();
    InitialSetData(*engine);
    const QString sweepHeader =
        HeaderRow(CsvLines(*engine, SweptParameter::Ratio, ResultView::Wet));
    const int sweepFields = static_cast<int>(sweepHeader.count(QLatin1Char(',')));
    while (const std::optional<BatchCase> batchCase = reader.nextCase()) {
        const QString context = CaseContext(*batchCase);
        ParsedOptions parsed;
        std::vector<std::string> arguments = batchCase->arguments;
        BatchMode mode = BatchMode::Sweep;
        std::string modeError = TakeBatchMode(arguments, mode);
        if (batchCase->error.empty() && modeError.empty())
            parsed = ParseSweepOptions(arguments);
        const std::string& error = !batchCase->error.empty() ? batchCase->error
                                   : !modeError.empty()      ? modeError
                                                             : parsed.error;
        if (!error.empty()) {
            PrintMessage(err, context + QString::fromUtf8(error));
            refused = true;
            continue;
        }
        if (mode != BatchMode::Sweep) {
            bool caseFaulted = false;
            const std::optional<QStringList> rows = ModeResultRows(
                batchCase->number, parsed.options, sweepFields, err, context, &caseFaulted);
            faulted = faulted || caseFaulted;
            if (!rows) {
                refused = refused || !caseFaulted;
                continue;
            }
            QStringList lines;
            if (!headerWritten)
                lines << ModeHeaderRow(sweepHeader);
            headerWritten = true;
            lines << *rows;
            if (!sink.write(lines, &message)) {
                PrintMessage(err, message);
                return ExitFailure;
            }
            continue;
        }
        if (!PrepareEngine(*engine, parsed.options, err, context)) {
            refused = true;
            continue;
        }
        try {
            RunSweep(*engine, parsed.options.XAxisMode, parsed.options.YAxisMode);
        } catch (const FloatingPointError& fault) {
            PrintMessage(err, context + QString::fromUtf8(fault.what()));
            faulted = true;
            continue;
        }
        const QStringList csv =
            CsvLines(*engine, parsed.options.XAxisMode, parsed.options.YAxisMode);
        QStringList lines;
        if (!headerWritten)
            lines << (modes ? ModeHeaderRow(sweepHeader) : sweepHeader);
        headerWritten = true;
        const QStringList rows = CaseRows(csv, batchCase->number, parsed.options);
        lines << (modes ? ModeSweepRows(rows) : rows);
        if (!sink.write(lines, &message)) {
            PrintMessage(err, message);
            return ExitFailure;
        }
    }
    if (reader.readError() != 0) {
        PrintMessage(err, ReadFailure(name, reader.readError()));
        refused = true;
    }
    if (!headerWritten) {
        // No case ran: the header alone, with the value columns of a default run.
        if (!sink.write({modes ? ModeHeaderRow(sweepHeader) : sweepHeader}, &message)) {
            PrintMessage(err, message);
            return ExitFailure;
        }
    }
    if (!sink.finish(&message)) {
        PrintMessage(err, message);
        return ExitFailure;
    }
    if (refused)
        return ExitBadInput;
    return faulted ? ExitFailure : ExitSuccess;
}

} // namespace quorvel
