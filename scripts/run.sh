#!/usr/bin/env bash
# Sets everything up, builds, and starts the program on the bundled sample
# recording (or on the file given as the first argument).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" >/dev/null
file="${1:-$root/samples/long-2024-0.5mm.hyy}"
bin="${HY_BUILD_DIR:-$root/build}/bin"
exec "$bin/hyetoscope" "$file"
