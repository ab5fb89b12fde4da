#!/usr/bin/env bash
# Builds the engine, report and command-line tests and the program with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs them, and the window smoke test on the
# sanitized program. Called by CI before ./test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-sanitizers
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUORVEL_BUILD_TESTS=ON -DQUORVEL_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# The allocation test replaces global operator new, which the address sanitizer owns.
cmake --build "$build" -j "$(nproc)" \
    --target quorvel_engine_tests quorvel_report_tests quorvel_sweep_tests quorvel-sweep \
    quorvel quorvel_window_closer
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-third-party.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
source scripts/setup.sh
quorvel_ensure_runtime_dir
trap quorvel_remove_runtime_dir EXIT
for tests in tests/engine/quorvel_engine_tests tests/report/quorvel_report_tests \
             tests/cli/quorvel_sweep_tests; do
    echo "== $tests under the sanitizers"
    "$build/$tests" --gtest_brief=1
done
echo "== the window smoke test under the sanitizers"
# A leak or a sanitizer fault ends the program with a non-zero status, which the smoke
# test reports with the program's standard error.
bash tests/ui/main/ProgramSmokeTest.sh "$build/app/quorvel" "$build/tests/ui/quorvel_window_closer" \
    "$PWD" "$(command -v Xvfb)"
echo "the sanitized program showed its window and ended cleanly"
