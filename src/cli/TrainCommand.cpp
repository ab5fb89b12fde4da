#include "cli/TrainCommand.h"

#include <QFile>
#include <QStringList>

#include <memory>
#include <optional>

#include "QuorvelVersion.h"
#include "cli/SweepCommand.h"
#include "engine/FloatingPointError.h"
#include "engine/TrainSolver.h"
#include "report/OutputFile.h"
#include "report/TrainFigures.h"
#include "report/TrainReport.h"

namespace quorvel {

namespace {

enum class TrainFormat { Table, Csv, Json };

void Say(std::FILE* err, const QString& message) {
    std::fputs(("quorvel-train: " + message + "\n").toUtf8().constData(), err);
    std::fflush(err);
}

bool PrintBytes(const QByteArray& bytes, std::FILE* out) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(out) == 0 && !std::ferror(out);
}

} // namespace

const char* TrainHelpText() {
    return "Использование: quorvel-train СХЕМА.json [--format table|csv|json] [--output ФАЙЛ]\n"
           "       quorvel-train --version | --help | -h\n"
           "\n"
           "Рассчитывает технологическую схему получения синтез-газа: ступени предриформинга,\n"
           "первичного и вторичного риформинга и конверсии CO одна за другой, с тепловыми\n"
           "балансами и потоками при заданной производительности.\n"
           "\n"
           "  --format table   таблица по ступеням (по умолчанию)\n"
           "  --format csv     строка на ступень с полной точностью, затем итоги\n"
           "  --format json    объект stages[...] и totals\n"
           "  --output ФАЙЛ    записать результат в файл (UTF-8) вместо стандартного вывода\n"
           "\n"
           "Состояние выхода: 0 готово, 1 ошибка вычислений или файл не записан,\n"
           "2 неверная командная строка или файл схемы.\n"
           "Ступень, которую нельзя решить, называется на стандартном потоке ошибок;\n"
           "следующие за ней ступени не рассчитываются.\n";
}

int RunTrainCommand(const std::vector<std::string>& arguments, QChar separator, std::FILE* out,
                    std::FILE* err) {
    std::optional<std::string> caseName;
    std::optional<std::string> outputName;
    TrainFormat format = TrainFormat::Table;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            return PrintBytes(TrainHelpText(), out) ? ExitSuccess : ExitFailure;
        }
        if (a == "--version") {
            return PrintBytes("quorvel-train " QUORVEL_VERSION "\n", out) ? ExitSuccess
                                                                          : ExitFailure;
        }
        if (a == "--format" || a == "--output") {
            if (i + 1 >= arguments.size()) {
                Say(err, QStringLiteral("после %1 нужно значение").arg(QString::fromStdString(a)));
                return ExitBadInput;
            }
            const std::string& value = arguments[++i];
            if (a == "--output") {
                outputName = value;
            } else if (value == "table") {
                format = TrainFormat::Table;
            } else if (value == "csv") {
                format = TrainFormat::Csv;
            } else if (value == "json") {
                format = TrainFormat::Json;
            } else {
                Say(err, QStringLiteral("неизвестный формат «%1»: допустимы table, csv, json")
                             .arg(QString::fromStdString(value)));
                return ExitBadInput;
            }
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            Say(err, QStringLiteral("неизвестный параметр «%1»; справка: quorvel-train --help")
                         .arg(QString::fromStdString(a)));
            return ExitBadInput;
        }
        if (caseName) {
            Say(err, QStringLiteral("файл схемы задаётся один раз: лишний «%1»")
                         .arg(QString::fromStdString(a)));
            return ExitBadInput;
        }
        caseName = a;
    }
    if (!caseName) {
        Say(err, QStringLiteral("не задан файл схемы; справка: quorvel-train --help"));
        return ExitBadInput;
    }
    const QString shownName = QString::fromLocal8Bit(caseName->c_str());
    QFile file(QFile::decodeName(caseName->c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        Say(err, QStringLiteral("не удалось прочитать файл схемы «%1»: %2")
                     .arg(shownName, FileErrorReasonFor(errno, QByteArray(caseName->c_str()))));
        return ExitBadInput;
    }
    const TrainCaseReading reading = ReadTrainCase(file.readAll());
    if (!reading.ok) {
        Say(err, QStringLiteral("%1: %2").arg(shownName, reading.message()));
        return ExitBadInput;
    }

    auto workspace = std::make_unique<TrainWorkspace>();
    auto result = std::make_unique<TrainResult>();
    try {
        SolveTrain(reading.file.train, *workspace, *result);
    } catch (const FloatingPointError& error) {
        Say(err, QString::fromUtf8(error.what()));
        return ExitFailure;
    }
    for (int s = 0; s < result->stageCount; ++s) {
        const StageFailure failure = result->stages[s].failure;
        if (failure != StageFailure::None && failure != StageFailure::NotComputed) {
            Say(err, QStringLiteral("ступень %1 %2").arg(s + 1).arg(StageFailureText(failure)));
        }
    }

    QByteArray bytes;
    switch (format) {
    case TrainFormat::Table:
        bytes = (TrainTableLines(reading.file, *result, separator).join('\n') + '\n').toUtf8();
        break;
    case TrainFormat::Csv:
        bytes = (TrainCsvLines(reading.file, *result).join('\n') + '\n').toUtf8();
        break;
    case TrainFormat::Json:
        bytes = TrainJson(reading.file, *result);
        break;
    }
    if (outputName) {
        QString message;
        if (!WriteOutputFile(QByteArray(outputName->c_str()), bytes, &message)) {
            Say(err, message);
            return ExitFailure;
        }
        return ExitSuccess;
    }
    if (!PrintBytes(bytes, out)) {
        Say(err, QStringLiteral("не удалось вывести результат"));
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace quorvel
