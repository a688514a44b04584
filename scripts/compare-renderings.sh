#!/usr/bin/env bash
# Renders the bundled samples with one build and, given a folder of earlier
# renderings, compares them: every export byte (cmp), every chart and page
# pixel (ImageMagick's `compare -metric AE`, which counts differing pixels)
# and the text of every page (pdftotext).
#
#   scripts/compare-renderings.sh BUILD_DIR OUT_DIR [BASELINE_DIR]
#
# OUT_DIR receives, for each sample and each interval (10min hour day month):
#   export-<stem>-<interval>.txt, export-<stem>-<interval>-iso.csv  (hyetoscope-cli export)
#   chart-<stem>-<interval>.png                                     (hyetoscope-cli chart)
#   overlay-<stem>-<interval>.png, overlay-wide-...                    (the same, --overlay)
#   print-<stem>-<interval>.pdf -> .txt (all pages), -N.png (first pages)
#   table-<stem>-month.pdf, table-<stem>-year.pdf -> .txt, -N.png
# and report/: every page kind of hy-report-render-pdfs on the long sample
# (PDFs as text and PNG, and its two PNG screenshots), and the screenshots of
# hy-data-dialog-pngs and hy-view-screenshots. Print times are fixed
# (SOURCE_DATE_EPOCH) so that the pages do not change with the clock.
# With BASELINE_DIR, prints one line per difference and "identical: N files"
# or "DIFFERENT: N of M files"; the exit status is 1 when anything differs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?BUILD_DIR}" && pwd)"
out="${2:?OUT_DIR}"
baseline="${3:-}"
cli="$build/bin/hyetoscope-cli"
pages="$build/bin/hy-report-render-pdfs"
[ -x "$cli" ] || { echo "no $cli: build first" >&2; exit 2; }
# OUT_DIR is emptied first, so it must be new, empty or an earlier OUT_DIR.
if [ -d "$out" ] && [ -n "$(ls -A "$out")" ] && [ ! -e "$out/.renderings" ]; then
  echo "$out is not empty and not an earlier output of this script" >&2; exit 2
fi
rm -rf "$out"
mkdir -p "$out/report"
touch "$out/.renderings"
export TZ=JST-9 SOURCE_DATE_EPOCH=1767290640 QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# PDF -> text of every page, PNG of the first three pages at 100 dpi.
pdf_views() {
  local pdf="$1" stem="${1%.pdf}"
  pdftotext -layout "$pdf" "$stem.txt"
  pdftoppm -r 100 -f 1 -l 3 -png "$pdf" "$stem"
}

for sample in "$root"/samples/*.hyy; do
  stem="$(basename "$sample" .hyy)"
  for interval in 10min hour day month; do
    "$cli" export -i "$interval" -o "$out/export-$stem-$interval.txt" "$sample"
    "$cli" export -i "$interval" --iso -o "$out/export-$stem-$interval-iso.csv" "$sample"
    "$cli" chart -i "$interval" -o "$out/chart-$stem-$interval.png" "$sample"
    "$cli" print -i "$interval" -o "$out/print-$stem-$interval.pdf" "$sample"
    pdf_views "$out/print-$stem-$interval.pdf"
  done
  # The analysis overlay, on the picture and at a size that draws its lines
  # over thousands of columns.
  for interval in 10min hour; do
    "$cli" chart -i "$interval" --overlay -o "$out/overlay-$stem-$interval.png" "$sample"
    "$cli" chart -i "$interval" --overlay --size 3000x900 -o "$out/overlay-wide-$stem-$interval.png" "$sample"
  done
  # The tables of the sample's first month and year (the file name carries them).
  year="$(echo "$stem" | sed -E 's/^[a-z]+-([0-9]{4}).*/\1/')"
  month="$(echo "$stem" | sed -nE 's/^[a-z]+-[0-9]{4}-([0-9]{2})-.*/\1/p')"
  "$cli" table --month "$year-${month:-05}" --station 'Sample' -o "$out/table-$stem-month.pdf" "$sample"
  "$cli" table --year "$year" --station 'Sample' -o "$out/table-$stem-year.pdf" "$sample"
  for pdf in "$out"/table-"$stem"-*.pdf; do pdf_views "$pdf"; done
done

if [ -x "$pages" ]; then
  "$pages" "$root/samples/long-2024-0.5mm.hyy" "$out/report" 2024 5 >/dev/null
  for pdf in "$out"/report/*.pdf; do pdf_views "$pdf"; done
fi
rm -f "$out"/*.pdf "$out"/report/*.pdf   # their text and pictures carry them; PDFs hold dates

# The windows: the data dialogs on the long sample, and the main window's
# chart, cursors and scale dialogs in every mode (hy-view-screenshots).
for tool in hy-data-dialog-pngs hy-view-screenshots; do
  if [ -x "$build/bin/$tool" ]; then
    mkdir -p "$out/$tool"
    "$build/bin/$tool" "$out/$tool" >/dev/null 2>&1
  fi
done

[ -n "$baseline" ] || { echo "rendered into $out"; exit 0; }

differ=0 total=0
while IFS= read -r rel; do
  total=$((total + 1))
  a="$baseline/$rel" b="$out/$rel"
  if [ ! -e "$b" ]; then echo "missing: $rel"; differ=$((differ + 1)); continue; fi
  case "$rel" in
    *.png)
      pixels="$(compare -metric AE "$a" "$b" null: 2>&1 || true)"
      if [ "$pixels" != "0" ]; then echo "pixels differ ($pixels): $rel"; differ=$((differ + 1)); fi ;;
    *)
      cmp -s "$a" "$b" || { echo "bytes differ: $rel"; differ=$((differ + 1)); } ;;
  esac
done < <(cd "$baseline" && find . -type f ! -name .renderings | sed 's|^\./||' | sort)
extra="$(comm -13 <(cd "$baseline" && find . -type f | sort) <(cd "$out" && find . -type f | sort) || true)"
[ -z "$extra" ] || { echo "new files:"; echo "$extra"; }
if [ "$differ" -eq 0 ]; then echo "identical: $total files"; exit 0; fi
echo "DIFFERENT: $differ of $total files"; exit 1
