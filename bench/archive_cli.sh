#!/usr/bin/env bash
# The archive subcommands as whole processes, measured with hyperfine:
# importing five full recordings (59,872 samples each, overlapping by a day)
# into a new archive, exporting one year hourly from it, and the maxima of
# every year over all of it (298,784 slots, 5.7 years).
#   bench/archive_cli.sh [BUILD_DIR]     (needs hyperfine: apt-get install hyperfine)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${1:-$root/build}/bin"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for k in 0 1 2 3 4; do
  "$bin/hy-generate" --out "$work/r$k.hyy" --start "2024-01-01 00:00" --seed 2024 --name BENCH \
    --samples 59872 --skip $((k * (59872 - 144)))
done
export TZ=JST-9
hyperfine --warmup 1 --runs 10 --prepare "rm -f $work/a.hyarc $work/a.hyarc-wal $work/a.hyarc-shm" \
  "$bin/hyetoscope-cli archive import --db $work/a.hyarc $work/r0.hyy $work/r1.hyy $work/r2.hyy $work/r3.hyy $work/r4.hyy"
"$bin/hyetoscope-cli" archive import --db "$work/a.hyarc" "$work"/r?.hyy >/dev/null
hyperfine --warmup 3 --runs 30 \
  "$bin/hyetoscope-cli archive export --db $work/a.hyarc --station BENCH -i hour --from 2025-01-01 --to 2026-01-01 -o $work/year.txt"
wc -l "$work/year.txt"
hyperfine --warmup 3 --runs 30 \
  "$bin/hyetoscope-cli archive maxima --db $work/a.hyarc --station BENCH --by year -o $work/maxima.csv"
wc -l "$work/maxima.csv"
