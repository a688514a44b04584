# Sourced by the benchmark scripts: wall time of whole processes.
#   elapsed CMD...   runs CMD (output discarded) and prints its wall time in ms
#   summary < FILE   prints the median and best of the numbers in FILE
elapsed() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f\n", ns / 1e6 }'
}

summary() {
  sort -n | awk '{ v[NR] = $1 }
    END { printf "median %8.1f ms   best %8.1f ms\n", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[1] }'
}
