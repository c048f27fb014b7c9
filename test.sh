#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under one virtual X display. The display
# does not reset when its last client leaves: a program started in that moment could not connect.
# SANITIZE=1 ./test.sh builds into ./build-sanitize with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the same tests there; any finding fails its test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
build_dir=build
if [ "${SANITIZE:-0}" = 1 ]; then
    build_dir=build-sanitize
    source scripts/sanitizer-options.sh
fi
export GDK_BACKEND=x11 NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" ctest --test-dir "$build_dir" --output-on-failure "$@"
