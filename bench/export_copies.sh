#!/usr/bin/env bash
# One export call over 100 copies of the long sample (59,000 samples each),
# one text file per copy through an output pattern, whole process, for each
# interval. Prints the median and best wall and CPU time of the call.
#
#   bench/export_copies.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-${HY_BUILD_DIR:-$root/build}}"
runs="${2:-5}"
cli="$build/bin/hyetoscope-cli"
work="$(mktemp -d)"
# shellcheck source=bench/wall_time.sh
source "$root/bench/wall_time.sh"
trap 'rm -rf "$work"' EXIT

[ -x "$cli" ] || { echo "build first: $cli is missing" >&2; exit 1; }
mkdir -p "$work/in" "$work/out"
for i in $(seq -w 1 100); do cp "$root/samples/long-2024-0.5mm.hyy" "$work/in/station-$i.hyy"; done


echo "export of 100 copies of long-2024-0.5mm.hyy in one call, output folder $work/out, $runs runs"
for interval in hour 10min day month; do
  : > "$work/ms"
  for _ in $(seq "$runs"); do
    elapsed "$cli" export -i "$interval" -o "$work/out/{stem}-{interval}.txt" "$work"/in/*.hyy >> "$work/ms"
  done
  lines=$(cat "$work"/out/*-"$interval".txt | wc -l)
  printf "%-6s %9d lines  %s\n" "$interval" "$lines" "$(summary < "$work/ms")"
done
