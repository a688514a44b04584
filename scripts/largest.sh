#!/usr/bin/env bash
# The largest source files and functions of the program (app/, serial_link/,
# logstore/; tests, tools and benchmarks left out), for seeing where code
# piles up. Functions are found by universal-ctags (apt-get install
# universal-ctags), their length from the first to the last line.
#
#   scripts/largest.sh [CHECKOUT] [N]     (default: this checkout, 15)
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
n="${2:-15}"
cd "$root"
dirs=(app serial_link logstore)
echo "Largest files (lines):"
find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 |
  xargs -0 wc -l | grep -v ' total$' | sort -rn | head -n "$n" | awk '{printf "  %5d  %s\n", $1, $2}'
echo "Largest functions (lines):"
ctags -R --languages=C++,C --kinds-C++=f --kinds-C=f --fields=+ne -o - "${dirs[@]}" 2>/dev/null |
  awk -F'\t' '{ line = ""; end = ""
    for (i = 4; i <= NF; i++) { if ($i ~ /^line:/) line = substr($i, 6); if ($i ~ /^end:/) end = substr($i, 5) }
    if (line != "" && end != "") printf "%d\t%s:%s\t%s\n", end - line + 1, $2, line, $1 }' |
  sort -rn | head -n "$n" | awk -F'\t' '{printf "  %5d  %s  %s\n", $1, $2, $3}'
