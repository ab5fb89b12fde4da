// The batch path of quorvel-sweep: 1,000 cases of every sweep, view and constants
// source, read from a CSV file and written as one CSV (to /dev/null), on either solver path.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "cli/BatchCommand.h"

namespace {

std::string ThousandCases(const char* solver) {
    const char* const sweeps[] = {"ratio", "temperature", "pressure"};
    const char* const views[] = {"dry", "wet", "ratios"};
    const char* const constants[] = {"builtin", "standard"};
    std::string text = "sweep,view,ratio,temperature,pressure,constants,solver\n";
    for (int i = 0; i < 1000; ++i) {
        text += sweeps[i % 3];
        text += ',';
        text += views[(i / 3) % 3];
        text += ',' + std::to_string(0.5 + (i % 45) * 0.1) + ',' + std::to_string(300 + i % 681) +
                ',' + std::to_string(1 + (i % 30)) + ',' + constants[(i / 9) % 2] + ',' + solver +
                '\n';
    }
    return text;
}

void BatchOfThousandCases(benchmark::State& state, const char* solver) {
    char name[] = "/tmp/quorvel-batch-XXXXXX";
    const int descriptor = ::mkstemp(name);
    const std::string text = ThousandCases(solver);
    if (descriptor < 0 ||
        ::write(descriptor, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        state.SkipWithError("no batch file could be written");
        return;
    }
    ::close(descriptor);
    quorvel::SweepOptions options;
    options.batchFile = name;
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        const int status = quorvel::RunBatchCommand(options, sink, sink);
        if (status != 0)
            state.SkipWithError("the batch was refused");
    }
    std::fclose(sink);
    ::unlink(name);
}
BENCHMARK_CAPTURE(BatchOfThousandCases, designed, "designed")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BatchOfThousandCases, direct, "direct")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
