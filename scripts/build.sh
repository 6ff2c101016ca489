#!/usr/bin/env bash
# Configures and builds the project: scripts/build.sh [build-dir] [extra cmake options...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$top/build}
shift || true
# ORVANE_WERROR=ON (as CI sets it) makes every warning an error; ccache speeds up rebuilds.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
    -DORVANE_WERROR=${ORVANE_WERROR:-OFF} "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
