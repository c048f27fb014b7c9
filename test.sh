#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under one virtual X display.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
export GDK_BACKEND=x11 NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --test-dir build --output-on-failure "$@"
