#!/usr/bin/env bash
# The chart tool against gnuplot, side by side in one run: the long sample's
# ten-minute rainfall drawn into a 1600 x 600 PNG, whole process each time.
# hyetoscope-cli reads the HYY file; gnuplot (pngcairo, with boxes) reads the
# same values from a text file the tool exported beforehand (not timed).
# Prints the median and best wall and CPU time of each and the ratios.
#
#   bench/chart_vs_gnuplot.sh [BUILD_DIR] [RUNS]
#
# Without gnuplot only the tool is measured: apt-get install gnuplot-nox.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-${HY_BUILD_DIR:-$root/build}}"
runs="${2:-11}"
cli="$build/bin/hyetoscope-cli"
sample="$root/samples/long-2024-0.5mm.hyy"
work="$(mktemp -d)"
# shellcheck source=bench/wall_time.sh
source "$root/bench/wall_time.sh"
trap 'rm -rf "$work"' EXIT

[ -x "$cli" ] || { echo "build first: $cli is missing" >&2; exit 1; }


"$cli" export -i 10min --iso -o "$work/values.csv" "$sample"
values=$(($(wc -l < "$work/values.csv") - 1))
cat > "$work/chart.gp" <<GP
set terminal pngcairo size 1600,600
set output '$work/gnuplot.png'
set datafile separator ','
set style fill solid border -1
set boxwidth 0.9 relative
set yrange [0:50]
plot '$work/values.csv' skip 1 using 0:3 with boxes notitle
GP

have_gnuplot=0
command -v gnuplot >/dev/null 2>&1 && have_gnuplot=1
echo "chart of $values ten-minute values, 1600 x 600 PNG, $runs runs each (whole process)"
: > "$work/cli.ms"
: > "$work/gnuplot.ms"
for _ in $(seq "$runs"); do
  elapsed "$cli" chart -i 10min --size 1600x600 -o "$work/cli.png" "$sample" >> "$work/cli.ms"
  if [ "$have_gnuplot" = 1 ]; then elapsed gnuplot "$work/chart.gp" >> "$work/gnuplot.ms"; fi
done
printf "hyetoscope-cli chart  %s\n" "$(summary < "$work/cli.ms")"
if [ "$have_gnuplot" = 1 ]; then
  printf "gnuplot pngcairo      %s\n" "$(summary < "$work/gnuplot.ms")"
  for column in 1 2; do
    paste <(cut -d' ' -f$column "$work/cli.ms" | sort -n) <(cut -d' ' -f$column "$work/gnuplot.ms" | sort -n) |
      awk -v what="$([ $column = 1 ] && echo wall || echo cpu)" \
        '{ c[NR] = $1; g[NR] = $2 } END { m = int((NR + 1) / 2); printf "gnuplot / tool, %s time: %.1f x (medians)\n", what, g[m] / c[m] }'
  done
else
  echo "gnuplot: not installed, skipped (apt-get install gnuplot-nox to compare)"
fi
