#!/usr/bin/env bash
# hyetoscope-cli events, maxima and indices on the long sample (59,000
# slots), whole process, with hyperfine (apt-get install hyperfine); falls
# back to bench/wall_time.sh when hyperfine is missing. Events are timed
# writing to standard output (discarded) and with -o, whose whole-or-nothing
# write ends in an fsync of the new file.
#
#   bench/cli_events.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-${HY_BUILD_DIR:-$root/build}}"
runs="${2:-30}"
cli="$build/bin/hyetoscope-cli"
sample="$root/samples/long-2024-0.5mm.hyy"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
[ -x "$cli" ] || { echo "build first: $cli is missing" >&2; exit 1; }

commands=("$cli events $sample"
          "$cli events -o $work/events.csv $sample"
          "$cli maxima --by month -o $work/maxima.csv $sample"
          "$cli indices -o $work/indices.csv $sample")
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 3 --runs "$runs" "${commands[@]}"
else
  # shellcheck source=bench/wall_time.sh
  source "$root/bench/wall_time.sh"
  for c in "${commands[@]}"; do
    : > "$work/ms"
    # shellcheck disable=SC2086
    for _ in $(seq "$runs"); do elapsed $c >> "$work/ms"; done
    printf "%-40s %s\n" "${c#"$cli "}" "$(summary < "$work/ms")"
  done
fi
