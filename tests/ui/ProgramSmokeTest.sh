#!/usr/bin/env bash
# Starts the real program on a virtual X display from the folder that holds Help/,
# waits for its main window, checks its title and size, closes it through its close box
# and expects the program to end cleanly.
# Usage: ProgramSmokeTest.sh <program> <window-closer> <folder holding Help/> <xvfb-run>
set -euo pipefail
title="Расчет равновесия получения синтез-газа водяной конверсией метана"

if [ "${4:-}" != "--on-display" ]; then
    exec "$4" -a -s "-screen 0 1280x800x24" bash "$0" "$1" "$2" "$3" --on-display
fi
cd "$3"
# The test runner may have chosen the off-screen platform; this test needs the display.
export QT_QPA_PLATFORM=xcb
[ -d Help ] || { echo "no Help folder in $3" >&2; exit 1; }
"$1" &
pid=$!
window=""
for _ in $(seq 150); do
    # The window's line in the tree: id "title": (class) widthxheight+x+y ...
    window=$(xwininfo -root -tree | grep -F "\"$title\"" | awk '{print $1}' | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null || true
    echo "no window titled \"$title\" appeared" >&2
    exit 1
fi
xwininfo -id "$window" | grep -q "Map State: IsViewable" || { echo "window not shown" >&2; exit 1; }
"$2" "$window"
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        exit $?
    fi
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
echo "the program did not end after its window was closed" >&2
exit 1
