#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build-fuzz/ and
# runs one of them. New inputs that reach new code go to build-fuzz/corpus/;
# a crash leaves its input in build-fuzz/crashes/ (copy it to
# tests/fuzz/crashes/<target>/ once fixed, so every build replays it).
#
#   ./scripts/fuzz.sh                      # lists the targets
#   ./scripts/fuzz.sh datafile 600         # runs one for 600 seconds
#   ./scripts/fuzz.sh datafile 600 -jobs=2 # further arguments go to libFuzzer
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" clang libclang-rt-14-dev
build="${HY_FUZZ_BUILD_DIR:-$root/build-fuzz}"
targets=$(sed -n 's/^hy_fuzz_target(\([a-z_]*\) .*/\1/p' "$root/tests/fuzz/CMakeLists.txt")
if [ $# -eq 0 ]; then
  echo "targets:" $targets
  exit 0
fi
target="$1"
seconds="${2:-600}"
shift $(( $# >= 2 ? 2 : 1 ))
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DHY_FUZZ=ON >/dev/null
cmake --build "$build" --target "hy-fuzz-$target"
mkdir -p "$build/corpus/$target" "$build/crashes/$target"
export TZ=JST-9
exec "$build/bin/hy-fuzz-$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/crashes/$target/" "$@" \
  "$build/corpus/$target" "$root/tests/fuzz/corpus/$target"
