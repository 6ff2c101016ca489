#!/usr/bin/env bash
# Set-up, build, then start the editor on the bundled sample database.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup-debian.sh"
"$top/scripts/build.sh" "$top/build"
# The sample database is passed only when it is there; without it the editor opens empty.
sample=""
for candidate in "$top/res/sample.zdf" "$top/build/res/sample.zdf"; do
    if [ -f "$candidate" ]; then
        sample=$candidate
        break
    fi
done
exec "$top/build/ui/orvane" ${sample:+"$sample"} "$@"
