#include "cli/BatchCommand.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <memory>

#include "cli/BatchInput.h"
#include "cli/SweepCommand.h"
#include "report/CsvLines.h"
#include "report/OutputFile.h"
#include "report/SweepCaptions.h"
#include "report/TableFile.h"

namespace quorvel {

namespace {

QString CaseContext(int number) {
    return QStringLiteral("случай %1 (строка %2 пакетного файла): ").arg(number).arg(number + 1);
}

// Appends the case's rows: its number, sweep and view before each row of its CSV.
void AppendCaseRows(const QStringList& csv, int number, const SweepOptions& options,
                    QStringList& lines) {
    const QString prefix = QStringLiteral("%1,%2,%3,")
                               .arg(number)
                               .arg(QString::fromUtf8(CaptionsOf(options.XAxisMode).word),
                                    QString::fromUtf8(CaptionsOf(options.YAxisMode).word));
    for (qsizetype row = 1; row < csv.size(); ++row)
        lines << prefix + csv[row];
}

} // namespace

bool ReadBatchFile(const std::string& name, std::string& text, QString* errorMessage) {
    const bool standardInput = name == "-";
    std::FILE* file = standardInput ? stdin : std::fopen(name.c_str(), "rb");
    auto fail = [&](int error) {
        if (errorMessage)
            *errorMessage =
                QStringLiteral("не удалось прочитать пакетный файл «%1»: %2")
                    .arg(standardInput ? QStringLiteral("стандартный ввод")
                                       : QFile::decodeName(name.c_str()),
                         FileErrorReason(error, QString::fromLocal8Bit(std::strerror(error))));
        return false;
    };
    if (!file)
        return fail(errno);
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, count);
    const int error = std::ferror(file) ? errno : 0;
    if (!standardInput)
        std::fclose(file);
    return error == 0 || fail(error);
}

int RunBatchCommand(std::string_view text, const SweepOptions& options, std::FILE* out,
                    std::FILE* err) {
    const BatchInput input = ReadBatchInput(text);
    if (!input.error.empty()) {
        PrintMessage(err, QString::fromUtf8(input.error));
        return ExitBadInput;
    }

    bool refused = false;
    bool faulted = false;
    QStringList lines;
    auto engine = std::make_unique<Engine>();
    for (const BatchCase& batchCase : input.cases) {
        const QString context = CaseContext(batchCase.number);
        ParsedOptions parsed;
        if (batchCase.error.empty())
            parsed = ParseSweepOptions(batchCase.arguments);
        const std::string& error = batchCase.error.empty() ? parsed.error : batchCase.error;
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
        if (lines.isEmpty())
            lines << QStringLiteral("case,sweep,view,x,") + csv[0].section(QLatin1Char(','), 1);
        AppendCaseRows(csv, batchCase.number, parsed.options, lines);
    }
    if (lines.isEmpty()) {
        // No case ran: the header alone, with the value columns of a default run.
        Engine& e = *engine;
        InitialSetData(e);
        lines << QStringLiteral("case,sweep,view,x,") +
                     CsvLines(e, SweptParameter::Ratio).value(0).section(QLatin1Char(','), 1);
    }

    bool written;
    QString message;
    if (options.outputFile)
        written = SaveTableFile(QByteArray(options.outputFile->c_str()), lines, &message);
    else if (!(written = PrintLines(lines, out)))
        message = QStringLiteral("не удалось вывести результат в стандартный вывод");
    if (!written)
        PrintMessage(err, message);

    if (refused)
        return ExitBadInput;
    return faulted || !written ? ExitFailure : ExitSuccess;
}

} // namespace quorvel
