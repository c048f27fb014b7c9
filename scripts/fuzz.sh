#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into ./build-fuzz and runs each for SECONDS (default 60), starting from its seed corpus in
# fuzz/corpus/<target>. New inputs stay in build-fuzz/corpus/<target>; an input that crashes,
# hangs, leaks or allocates beyond its budget is kept in build-fuzz/artifacts/<target>/ and
# makes the script fail. Ends with one line per target: executions and the result.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

./scripts/install-deps.sh
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEXTREL_FUZZ=ON
         -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz "${options[@]}" >/dev/null
cmake --build build-fuzz -j"${DEXTREL_JOBS:-$(nproc)}" --target fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for corpus in fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
summary=()
failed=0
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
    log="build-fuzz/$target.log"
    echo "== $target: $seconds s"
    result=ok
    max_len=65536
    if [ "$target" = fuzz_download_records ]; then
        max_len=131073 # the firmware byte and a whole memory image
    fi
    # Inputs up to 64 KiB (the download's image excepted); a reader that needs more than 1 GiB, or one block of 256 MiB, for
    # one of them fails, and so does one input that takes 10 s.
    if ! "build-fuzz/fuzz/$target" "build-fuzz/corpus/$target" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=1024 \
        -malloc_limit_mb=256 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target/" >"$log" 2>&1; then
        result="FAILED (see $log and build-fuzz/artifacts/$target/)"
        failed=1
        tail -n 40 "$log"
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    summary+=("$(printf '%-24s %12s executions  %s' "$target" "${runs:-?}" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $failed
