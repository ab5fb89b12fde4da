#include "cli/BatchCommand.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "cli/BatchInput.h"
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

// The case's rows: its number, sweep and view before each row of its CSV.
QStringList CaseRows(const QStringList& csv, int number, const SweepOptions& options) {
    const QString prefix = QStringLiteral("%1,%2,%3,")
                               .arg(number)
                               .arg(QString::fromUtf8(CaptionsOf(options.XAxisMode).word),
                                    QString::fromUtf8(CaptionsOf(options.YAxisMode).word));
    QStringList rows;
    for (qsizetype row = 1; row < csv.size(); ++row)
        rows << prefix + csv[row];
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
    while (const std::optional<BatchCase> batchCase = reader.nextCase()) {
        const QString context = CaseContext(*batchCase);
        ParsedOptions parsed;
        if (batchCase->error.empty())
            parsed = ParseSweepOptions(batchCase->arguments);
        const std::string& error = batchCase->error.empty() ? parsed.error : batchCase->error;
        if (!error.empty()) {
            PrintMessage(err, context + QString::fromUtf8(error));
            refused = true;
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
        const QStringList csv = CsvLines(*engine, parsed.options.XAxisMode);
        QStringList lines;
        if (!headerWritten)
            lines << HeaderRow(csv);
        headerWritten = true;
        lines << CaseRows(csv, batchCase->number, parsed.options);
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
        InitialSetData(*engine);
        if (!sink.write({HeaderRow(CsvLines(*engine, SweptParameter::Ratio))}, &message)) {
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
