#!/usr/bin/env bash
# Builds the fuzz targets with clang under ASan + UBSan and runs each one briefly from its
# starting corpus (fuzz/corpus/<target>); any crash, leak or sanitizer report fails the script.
#   fuzz/smoke.sh                     20 s per target in build-fuzz/
#   FUZZ_SECONDS=600 fuzz/smoke.sh    a longer run
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${FUZZ_BUILD_DIR:-$top/build-fuzz}
seconds=${FUZZ_SECONDS:-20}

cmake -S "$top" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_FUZZ=ON -DORVANE_SANITIZE=ON -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
targets=()
for src in "$top"/fuzz/*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# The run adds inputs to its corpus; work on a copy so that the committed one stays small.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in "${targets[@]}"; do
    mkdir -p "$work/$t"
    if [ -d "$top/fuzz/corpus/$t" ]; then
        cp "$top/fuzz/corpus/$t"/* "$work/$t"/
    fi
    echo "== fuzz_$t for ${seconds}s"
    log=$work/$t.log
    rc=0
    "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=262144 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/$t-" "$work/$t" \
        >"$log" 2>&1 || rc=$?
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units)" "$log" || true
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$log"
        echo "fuzz_$t failed (exit $rc); the input is saved under $dir/$t-*"
        exit 1
    fi
done
