#!/usr/bin/env bash
# Starts the real program on a virtual X display from the folder that holds Help/,
# waits for its main window by its title and until it is shown, closes it through its
# close box and expects the program to end cleanly.
# Usage: ProgramSmokeTest.sh <program> <window-closer> <folder holding Help/> <Xvfb>
#
# The X server picks a free display number itself (-displayfd), so other X servers on
# the machine do not matter. The X tools run under C.UTF-8, which Debian always has:
# under the C locale xwininfo cannot print the Russian title. On failure the program's
# own standard error is shown.
set -euo pipefail
title="Расчет равновесия получения синтез-газа водяной конверсией метана"
program="$1"
closer="$2"
xvfb="$4"
[ -d "$3/Help" ] || {
    echo "no Help folder in $3" >&2
    exit 1
}

work=$(mktemp -d)
xvfb_pid=""
pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "$1" >&2
    if [ -s "$work/program.stderr" ]; then
        echo "--- the program's standard error:" >&2
        cat "$work/program.stderr" >&2
    fi
    exit 1
}

# Qt wants a private runtime folder; a bare session (env -i, cron, ctest) has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR="$work/runtime"
fi

"$xvfb" -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || {
    cat "$work/xvfb.log" >&2
    echo "the X server did not start" >&2
    exit 1
}
export DISPLAY=":$(head -n 1 "$work/display")"

cd "$3"
# The test runner may have chosen the off-screen platform; this test needs the display.
QT_QPA_PLATFORM=xcb "$program" 2>"$work/program.stderr" &
pid=$!

x_tool() { LC_ALL=C.UTF-8 "$@"; }

# A sanitized build starts several times slower than a normal one.
window=""
for _ in $(seq 300); do
    # The window's line in the tree: id "title": (class) widthxheight+x+y ...
    window=$(x_tool xwininfo -root -tree | grep -F "\"$title\"" | awk '{print $1}' | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled \"$title\" appeared"

# The window is named before it is mapped: wait until it is shown.
shown=""
for _ in $(seq 100); do
    if x_tool xwininfo -id "$window" | grep -q "Map State: IsViewable"; then
        shown=yes
        break
    fi
    sleep 0.1
done
[ -n "$shown" ] || fail "window $window titled \"$title\" not shown"

"$closer" "$window" || fail "could not ask window $window to close"
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        pid=""
        [ "$status" -eq 0 ] || fail "the program ended with status $status"
        exit 0
    fi
    sleep 0.1
done
fail "the program did not end after its window was closed"
