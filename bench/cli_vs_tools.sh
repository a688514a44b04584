#!/usr/bin/env bash
# hyetoscope-cli against the usual tools, side by side in one run, whole
# process each time (hyperfine; apt-get install hyperfine gawk gnuplot-nox),
# on the long sample (59,000 ten-minute values):
#   export   -i 10min -o FILE           against gawk writing the same bytes to
#                                       a file from the values (checked with cmp)
#   info                                alone (a few milliseconds: Qt Core only)
#   chart    -i 10min 1600 x 600 PNG    against gnuplot (pngcairo, boxes) with a
#                                       time axis (set xdata time) and without
# The values gawk and gnuplot read are exported beforehand (not timed); the
# tool reads the HYY file. The drawing program run directly draws the same
# chart with Qt Gui (the way of PDF charts and the overlay), for comparison
# with the chart part's. Ends with a table of the medians and the ratios.
#
#   bench/cli_vs_tools.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-${HY_BUILD_DIR:-$root/build}}"
runs="${2:-30}"
cli="$build/bin/hyetoscope-cli"
draw="$build/bin/hyetoscope-cli-draw"
sample="$root/samples/long-2024-0.5mm.hyy"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
[ -x "$cli" ] && [ -x "$draw" ] || { echo "build first: $cli or $draw is missing" >&2; exit 1; }
for tool in hyperfine gawk gnuplot; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: apt-get install hyperfine gawk gnuplot-nox" >&2; exit 1; }
done
export TZ=JST-9 LC_ALL=C

# The values, and the start of the recording, from the tool's ISO export.
"$cli" export -i 10min --iso -o "$work/values.csv" "$sample"
tail -n +2 "$work/values.csv" | cut -d, -f3 > "$work/values.txt"
start=$(date -d "$(sed -n 2p "$work/values.csv" | cut -d, -f1)" +%s)

# gawk labels each value with the end of its slot, as the export does (the
# slot that ends at midnight keeps hour 0 on the new date).
cat > "$work/export.awk" <<'AWK'
{ t = start + NR * 600
  printf "\"%s %2d:%s\",%.1f\n", strftime("%Y/%m/%d", t), strftime("%H", t) + 0, strftime("%M", t), $1 > out }
AWK
"$cli" export -i 10min -o "$work/cli.txt" "$sample"
gawk -v start="$start" -v out="$work/gawk.txt" -f "$work/export.awk" "$work/values.txt"
if cmp -s "$work/cli.txt" "$work/gawk.txt"; then same="identical"; else same="DIFFERENT"; fi

cat > "$work/time.gp" <<GP
set terminal pngcairo size 1600,600
set output '$work/gnuplot-time.png'
set datafile separator ','
set xdata time
set timefmt '%Y-%m-%dT%H:%M:%S'
set format x '%m/%d'
set style fill solid border -1
set boxwidth 600
set yrange [0:50]
plot '$work/values.csv' skip 1 using 1:3 with boxes notitle
GP
cat > "$work/plain.gp" <<GP
set terminal pngcairo size 1600,600
set output '$work/gnuplot-plain.png'
set datafile separator ','
set style fill solid border -1
set boxwidth 0.9 relative
set yrange [0:50]
plot '$work/values.csv' skip 1 using 0:3 with boxes notitle
GP

hyperfine -N --warmup 3 --runs "$runs" --export-json "$work/times.json" \
  -n "export (hyetoscope-cli)" "$cli export -i 10min -o $work/cli.txt $sample" \
  -n "export (gawk)" "gawk -v start=$start -v out=$work/gawk.txt -f $work/export.awk $work/values.txt" \
  -n "info (hyetoscope-cli)" "$cli info $sample" \
  -n "chart (hyetoscope-cli)" "$cli chart -i 10min --size 1600x600 -o $work/cli.png $sample" \
  -n "chart (drawing program, Qt Gui)" "$draw chart -i 10min --size 1600x600 -o $work/draw.png $sample" \
  -n "chart (gnuplot, time axis)" "gnuplot $work/time.gp" \
  -n "chart (gnuplot, no time axis)" "gnuplot $work/plain.gp" >&2

if cmp -s "$work/cli.png" "$work/draw.png"; then chart_same="identical"; else chart_same="DIFFERENT"; fi

echo
echo "Long sample, whole process, $runs runs each (hyperfine); export bytes against gawk: $same"
echo "chart bytes against the drawing program's: $chart_same"
python3 - "$work/times.json" <<'PY'
import json, statistics, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
med = {k: statistics.median(v["times"]) * 1000 for k, v in r.items()}
print(f"| {'command':32} | median ms | min ms |")
print(f"|{'-' * 34}|-----------|--------|")
for k, v in r.items():
    print(f"| {k:32} | {med[k]:9.1f} | {min(v['times']) * 1000:6.1f} |")
def ratio(a, b): return med[a] / med[b]
print(f"gawk / tool export:                  {ratio('export (gawk)', 'export (hyetoscope-cli)'):.1f} x (target >= 5)")
print(f"info:                                {med['info (hyetoscope-cli)']:.1f} ms (target < 5)")
print(f"gnuplot with time axis / tool chart: {ratio('chart (gnuplot, time axis)', 'chart (hyetoscope-cli)'):.1f} x (target >= 5)")
print(f"gnuplot without time axis / tool:    {ratio('chart (gnuplot, no time axis)', 'chart (hyetoscope-cli)'):.1f} x (target > 1)")
PY
[ "$same" = identical ] && [ "$chart_same" = identical ]
