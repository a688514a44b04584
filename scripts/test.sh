#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors (only what changed), and
# runs every test. Arguments go to ctest (-L unit, -R Name, ...).
#
#   ./scripts/test.sh --sanitize [ctest arguments]
# builds in its own folder (build-sanitize/) with AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first report, and runs the unit
# and device tests there.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export HY_WERROR=1
labels=()
if [ "${1:-}" = "--sanitize" ]; then
  shift
  export HY_SANITIZE=1
  export HY_BUILD_DIR="${HY_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
  labels=(-L 'unit|device')
else
  export HY_SANITIZE=0
  export HY_BUILD_DIR="${HY_BUILD_DIR:-$root/build}"
fi
"$root/scripts/build.sh"
cd "$HY_BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" "${labels[@]}" "$@"
