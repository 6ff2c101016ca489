#!/usr/bin/env bash
# Set-up, build and the whole test suite. With SANITIZE=1: the same under ASan + UBSan.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup-debian.sh"
if [ "${SANITIZE:-0}" = 1 ]; then
    dir=$top/build-asan
    BUILD_TYPE=Debug "$top/scripts/build.sh" "$dir" -DORVANE_SANITIZE=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp
else
    dir=$top/build
    "$top/scripts/build.sh" "$dir"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
