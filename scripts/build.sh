#!/usr/bin/env bash
# Configures and builds into ./build (Release with debug info). With SANITIZE=1 it builds
# with AddressSanitizer and UndefinedBehaviorSanitizer into ./build-sanitize instead.
# ccache is used when it is installed. DEXTREL_TARGETS limits the build to the named targets.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${SANITIZE:-0}" = 1 ]; then
    build_dir=build-sanitize
    options+=(-DDEXTREL_SANITIZE=ON)
fi
if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Paths relative to the checkout, so that another clone of it compiles from the cache.
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
fi
targets=()
for target in ${DEXTREL_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
cmake --build "$build_dir" -j"${DEXTREL_JOBS:-$(nproc)}" "${targets[@]}"
