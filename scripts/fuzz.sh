#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS]        (default 60 seconds per target)
# Exits non-zero as soon as a target crashes, hangs, runs out of memory or a sanitizer reports.
# New inputs found along the way go to build-fuzz/fuzz/corpus/, never into the checked-in seeds;
# a failing input is kept as build-fuzz/fuzz/<target>-crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
case "$seconds" in
    '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac

cxx="${CXX_FUZZ:-clang++}"
command -v "$cxx" >/dev/null || { echo "fuzz.sh: $cxx not found (install clang and libclang-rt-14-dev)" >&2; exit 2; }

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build-fuzz "${generator[@]}" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLETTERMAZE_FUZZ=ON -DLETTERMAZE_GUI=OFF -DLETTERMAZE_BENCH=OFF >/dev/null

targets=(puzzle_fuzzer)
[ -f src/files/Library.h ] && targets+=(library_fuzzer)
cmake --build build-fuzz --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

status=0
for target in "${targets[@]}"; do
    name="${target%_fuzzer}"
    work="build-fuzz/fuzz/corpus/$name"
    mkdir -p "$work"
    echo "== $target for ${seconds}s"
    # The first corpus folder receives new inputs; the seeds are only read.
    if ! build-fuzz/fuzz/"$target" "$work" "fuzz/corpus/$name" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/fuzz/$target-" -print_final_stats=1; then
        echo "fuzz.sh: $target failed; see the input saved under build-fuzz/fuzz/" >&2
        status=1
    fi
done
exit "$status"
