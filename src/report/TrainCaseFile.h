#pragma once

// The case file of a reformer train: JSON, read and written with QJsonDocument. Every
// refusal names the JSON path of the value at fault (e.g. "stages[2].oxidant.kind")
// and a Russian reason; a case is either read whole or not at all.

#include <QByteArray>
#include <QString>

#include "engine/TrainCase.h"

namespace quorvel {

struct TrainCaseFile {
    QString name;
    TrainCase train;
};

struct TrainCaseReading {
    bool ok;
    TrainCaseFile file; // the whole case when ok, untouched otherwise
    QString path;       // the JSON path of the refused value; "" for the file as a whole
    QString reason;     // Russian
    // "path: reason", or the reason alone.
    QString message() const;
};

TrainCaseReading ReadTrainCase(const QByteArray& json);

// The case as the reader takes it back: every value the case holds, numbers in their
// shortest exact form, so a written case reads back identical.
QByteArray WriteTrainCase(const TrainCaseFile& file);

} // namespace quorvel
