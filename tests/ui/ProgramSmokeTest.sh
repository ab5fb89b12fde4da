#!/usr/bin/env bash
# Starts the real program on a virtual X display from the folder that holds Help/,
# waits for its main window, checks its title, closes it through its close box and
# expects the program to end cleanly.
# Usage: ProgramSmokeTest.sh <program> <window-closer> <folder holding Help/>
set -euo pipefail
program="$1"
closer="$2"
cd "$3"
if [ ! -d Help ]; then
    echo "no Help folder in $3" >&2
    exit 1
fi
title="Расчет равновесия получения синтез-газа водяной конверсией метана"

run_on_display() {
    "$program" &
    local pid=$!
    if ! "$closer" "$title" 15000; then
        kill "$pid" 2>/dev/null || true
        echo "the main window did not appear" >&2
        return 1
    fi
    # The program must end by itself once its main window is closed.
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    echo "the program did not end after its window was closed" >&2
    return 1
}
if [ "${4:-}" = "--on-display" ]; then
    run_on_display
else
    xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$1" "$2" "$3" --on-display
fi
