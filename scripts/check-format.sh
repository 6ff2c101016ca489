#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format makes of it with the project's style.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
