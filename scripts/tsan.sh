#!/usr/bin/env bash
# Builds the device worker tests with ThreadSanitizer in a folder of their
# own (build-tsan, or $HY_TSAN_DIR) and runs them; any race report fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${HY_TSAN_DIR:-$root/build-tsan}"
tests=(test_device_worker test_download test_download_command test_port_selection)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="-fsanitize=thread -g" -DCMAKE_CXX_FLAGS="-fsanitize=thread -g" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$dir" --target "${tests[@]}"
status=0
for t in "${tests[@]}"; do
  TZ=JST-9 TSAN_OPTIONS="halt_on_error=1 exitcode=66" "$dir/bin/$t" --gtest_brief=1 || status=1
done
exit $status
