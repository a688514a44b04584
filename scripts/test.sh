#!/usr/bin/env bash
# Sets everything up, builds from scratch if needed with warnings as errors, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export HY_WERROR=1
export HY_BUILD_DIR="${HY_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
cd "$HY_BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" "$@"
