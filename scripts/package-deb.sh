#!/usr/bin/env bash
# Builds the Debian package orvane_<version>_amd64.deb into the top folder, from the build in
# build-dir (default build/, built first when needed): scripts/package-deb.sh [build-dir]
# Install it with: sudo apt-get install ./orvane_<version>_amd64.deb
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$top/build}
"$top/scripts/setup-debian.sh"
"$top/scripts/build.sh" "$dir"
rm -rf "$dir/package"
cpack -G DEB --config "$dir/CPackConfig.cmake" -B "$dir/package" >/dev/null
rm -f "$top"/orvane_*.deb
cp "$dir"/package/orvane_*.deb "$top/"
ls "$top"/orvane_*.deb
