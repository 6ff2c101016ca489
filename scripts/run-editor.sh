#!/usr/bin/env bash
# Set-up, build, then start the editor on the bundled sample database.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup-debian.sh"
"$top/scripts/build.sh" "$top/build"
exec "$top/build/ui/orvane" "$top/build/res/sample.zdf" "$@"
