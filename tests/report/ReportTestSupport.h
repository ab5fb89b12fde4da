#pragma once

// Shared set-up for the report tests: an engine at the window's start-up conditions and
// a strict reader of the numbers the CSV writes.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <charconv>
#include <memory>

#include "engine/Engine.h"

namespace quorvel::testing {

// The window's start-up engine (ratio 2.5, 860 C, 25 atm) with the given feed, pure
// methane unless said otherwise.
inline std::unique_ptr<Engine> StartUpEngine(const double (&feed)[FeedComponentCount] = {100}) {
    auto engine = std::make_unique<Engine>();
    InitialSetData(*engine);
    for (int i = 0; i < FeedComponentCount; ++i)
        engine->feedComposition[i] = feed[i];
    PreparationVar(*engine);
    engine->InputRatio = 2.5;
    engine->InputTemperature = 860;
    engine->processConditions.InputPressure = 25;
    return engine;
}

// A whole CSV field read as a double; a field that is not entirely a number fails the
// test and reads as -1.
inline double ToDouble(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    double value = -1;
    const auto result = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    EXPECT_EQ(result.ptr, bytes.constData() + bytes.size()) << bytes.constData();
    return value;
}

// A file's bytes, or "<unreadable>" when it cannot be opened.
inline QByteArray ReadAll(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

} // namespace quorvel::testing
