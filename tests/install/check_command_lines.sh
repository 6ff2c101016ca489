#!/usr/bin/env bash
# The programs' command lines as a user types them: help, version, an unknown option; and the
# generators of the committed sample, test files and fuzz corpus.
# usage: check_command_lines.sh VERSION ORVANE ZDFTOOL STB-SIM MAKE-SAMPLE MAKE-TEST-DATA SOURCE_DIR
set -euo pipefail
version=$1 orvane=$2 zdftool=$3 stbsim=$4 makesample=$5 maketestdata=$6 src=$7
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

holds() { [ -z "$2" ] || grep -qF -- "$2" "$1"; }

# expect STATUS STDOUT-PART STDERR-PART COMMAND...: the command ends with STATUS and its output
# holds each part (an empty part holds anywhere).
expect() {
    local status=$1 out=$2 err=$3 got=0
    shift 3
    "$@" >"$work/out" 2>"$work/err" </dev/null || got=$?
    if [ "$got" != "$status" ] || ! holds "$work/out" "$out" || ! holds "$work/err" "$err"; then
        echo "FAIL: $* -> status $got (want $status)" >&2
        cat "$work/out" "$work/err" >&2
        failures=$((failures + 1))
    fi
}

# The command line is read before the window system starts: a platform that cannot start must not
# matter to help, the version or a usage error.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
expect 0 "orvane $version" "" "${nodisplay[@]}" "$orvane" --version
expect 0 "--version" "" "${nodisplay[@]}" "$orvane" --help
expect 0 "[FILE]" "" "${nodisplay[@]}" "$orvane" -h
expect 2 "" "Unknown option 'frobnicate'." "${nodisplay[@]}" "$orvane" --frobnicate
expect 2 "" "Usage: $orvane [options] [FILE]" "${nodisplay[@]}" "$orvane" a.zdf b.zdf
export QT_QPA_PLATFORM=offscreen
# The window system's own options are still taken, with their values.
expect 0 "orvane $version" "" "$orvane" -platform offscreen -style fusion mine.zdf --version

expect 0 "zdftool $version" "" "$zdftool" --version
expect 0 "import-satellites IN XML [OUT]" "" "$zdftool" --help
expect 2 "" "usage: zdftool COMMAND" "$zdftool" --frobnicate
expect 0 "stb-sim $version" "" "$stbsim" --version
expect 2 "" "usage: stb-sim [options] [IMAGE]" "$stbsim" --frobnicate

# same GENERATED COMMITTED: a generated file is byte for byte the committed one.
same() {
    if ! cmp -s "$1" "$2"; then
        echo "FAIL: $2 is stale: run make-sample res/sample.zdf and make-test-data tests/data fuzz/corpus" >&2
        failures=$((failures + 1))
    fi
}

expect 2 "" "usage: make-sample OUTPUT.zdf" "$makesample"
expect 0 "" "" "$makesample" "$work/sample.zdf"
same "$work/sample.zdf" "$src/res/sample.zdf"
expect 2 "" "usage: make-test-data" "$maketestdata" "$work/data"
expect 0 "" "" "$maketestdata" "$work/data" "$work/corpus"
for file in "$work"/data/*; do
    same "$file" "$src/tests/data/${file##*/}"
done
for file in "$work"/corpus/*/*; do
    same "$file" "$src/fuzz/corpus/${file#"$work"/corpus/}"
done
# A file it cannot write stops it with the reason.
mkdir -p "$work/blocked/bad_block0.zdf"
expect 1 "" "make-test-data: $work/blocked/bad_block0.zdf: " "$maketestdata" "$work/blocked" "$work/c2"
exit $((failures > 0))
