#!/usr/bin/env bash
# Configures and builds the project into build/ (Release with debug info).
# HY_WERROR=1 turns warnings into errors (the test command sets it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
build="${HY_BUILD_DIR:-$root/build}"
werror="OFF"
if [ "${HY_WERROR:-0}" = "1" ]; then werror="ON"; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHY_WERROR="$werror" >/dev/null
cmake --build "$build" -j"$(nproc)"
