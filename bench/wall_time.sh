# Sourced by the benchmark scripts: wall and CPU time of whole processes.
#   elapsed CMD...   runs CMD (output discarded) and prints "WALL_MS CPU_MS"
#                    (CPU: user + system time of CMD and its children)
#   summary < FILE   prints the median and best of both columns of FILE
elapsed() {
  local TIMEFORMAT='%3R %3U %3S' times
  times=$({ time "$@" >/dev/null 2>&1; } 2>&1)
  awk -v t="$times" 'BEGIN { split(t, v, " "); printf "%.1f %.1f\n", v[1] * 1000, (v[2] + v[3]) * 1000 }'
}

summary() {
  sort -n | awk '{ w[NR] = $1; c[NR] = $2 }
    function median(a, n,   i, j, t) {
      for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END { bw = w[1]; mw = median(w, NR); mc = median(c, NR); bc = c[1]; for (i = 2; i <= NR; ++i) if (c[i] < bc) bc = c[i]
          printf "wall median %7.1f ms best %7.1f ms   cpu median %7.1f ms best %7.1f ms\n", mw, bw, mc, bc }'
}
