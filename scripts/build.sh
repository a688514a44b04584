#!/usr/bin/env bash
# Configures and builds the project into build/ (Release with debug info).
# Warnings are errors in every build, so the program command and the test
# command share one configuration and the second only builds what changed.
# HY_WERROR=0 lets warnings pass (a build folder of its own is then wise);
# HY_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
build="${HY_BUILD_DIR:-$root/build}"
werror="ON"
if [ "${HY_WERROR:-1}" = "0" ]; then werror="OFF"; fi
sanitize="OFF"
if [ "${HY_SANITIZE:-0}" = "1" ]; then sanitize="ON"; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHY_WERROR="$werror" -DHY_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j"$(nproc)"
