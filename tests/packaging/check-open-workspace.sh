#!/usr/bin/env bash
# Starts "dextrel FILE.vrx" on the display and looks at its windows, as a desktop that opens a
# workspace by double click would:
#   a readable workspace      the main window is titled with the file's name, no error
#   a damaged workspace       titled with the file's name (its first records are kept), and
#                             the error dialog
#   a file without one complete record   the main window stays "Fara titlu", and the error
#                             dialog
#   a missing workspace       the main window stays "Fara titlu", and the error dialog
#   a live journal left by a killed run   once the workspace is open, the restore question;
#                             unanswered, the journal stays
# The file is named relative to the program's folder, with a blank in its name.
# usage: check-open-workspace.sh DEXTREL SIMULATED_LOGGER_LIBRARY FIXTURES_DIR
set -uo pipefail
program=$1 simulator=$2 fixtures=$3

if [ -z "${DISPLAY:-}" ]; then
    echo "FAIL: no X display (run under xvfb-run)"
    exit 1
fi

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home/.config" "$work/files"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.local/state GDK_BACKEND=x11 NO_AT_BRIDGE=1
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The names of the program's windows, one a line.
window_names() {
    local id
    for id in $(xdotool search --pid "$pid" --name '.' 2>/dev/null); do
        xdotool getwindowname "$id" 2>/dev/null
    done
}

# wait_for_window NAME: true once a window of the program has that name (at most 20 s).
wait_for_window() {
    local tries
    for tries in $(seq 1 80); do
        # not a pipe: grep -q would end window_names early, which pipefail counts as failure
        grep -qxF "$1" <<<"$(window_names)" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.25
    done
    return 1
}

# open_workspace FILE TITLE ERROR: starts the program on FILE and expects the main window to be
# titled TITLE, and an error dialog when ERROR is "error".
open_workspace() {
    local file=$1 title=$2 error=$3
    (cd "$work/files" && exec env LD_PRELOAD="$simulator" DEXTREL_SIM_EVENTS=0 \
        "$program" "$file" >"$work/out" 2>&1) &
    pid=$!
    if ! wait_for_window "$title"; then
        fail "$file: no window titled '$title'; windows: $(window_names | tr '\n' '|')"
        kill -0 "$pid" 2>/dev/null || echo "the program ended early; it printed:"
        sed 's/^/> /' "$work/out"
    elif [ "$error" = error ]; then
        wait_for_window "Dextrel Error" || fail "$file: no error dialog"
    else
        # the error dialog appears at the first idle time after opening
        sleep 1
        grep -q 'Error$' <<<"$(window_names)" && fail "$file: an error dialog appeared"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=
}

cp "$fixtures/version3.vrx" "$work/files/Proba apa.vrx"
head -c -30 "$fixtures/version0.vrx" >"$work/files/damaged.vrx"
head -c -30 "$fixtures/version3.vrx" >"$work/files/cut.vrx"

open_workspace "Proba apa.vrx" "Proba apa.vrx" none
open_workspace "damaged.vrx" "damaged.vrx" error
open_workspace "cut.vrx" "Fara titlu" error
open_workspace "missing.vrx" "Fara titlu" error

journals=$XDG_STATE_HOME/dextrel
mkdir -p "$journals"
cp "$fixtures/killed-live.journal" "$journals/live-20261211-154500-1-0.journal"
(cd "$work/files" && exec env LD_PRELOAD="$simulator" DEXTREL_SIM_EVENTS=0 \
    "$program" "Proba apa.vrx" >"$work/out" 2>&1) &
pid=$!
wait_for_window "Proba apa.vrx" || fail "journal: the workspace was not opened first"
wait_for_window "Înregistrare în timp real nesalvata" ||
    fail "journal: no restore question; windows: $(window_names | tr '\n' '|')"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=
[ -f "$journals/live-20261211-154500-1-0.journal" ] || fail "journal: removed without an answer"

[ "$failures" -eq 0 ] && echo "dextrel FILE.vrx opens the workspace and reports failures"
[ "$failures" -eq 0 ]
