#!/usr/bin/env python3
# Groups perf samples of a benchmark by the innermost frame in our own code
# (Qt's frames carry no symbols) and, inclusively, by each function of ours.
# Where a frame of the view goes, for example:
#   perf record -F 2000 --call-graph dwarf,16384 -o view.data build/bin/bench_view_feel --overlay 100
#   perf script -i view.data -F comm,ip,sym,dso | bench/perf_by_caller.py [BINARY_NAME]
# BINARY_NAME (default bench_view_feel) marks the frames that are ours.
import sys, collections, re
ours_name = sys.argv[1] if len(sys.argv) > 1 else 'bench_view_feel'
self_ours = collections.Counter(); incl = collections.Counter(); total = collections.Counter()
comm = None; frames = []
def flush():
    global frames
    if comm is None: return
    total[comm] += 1
    ours = [f for f in frames if ours_name in f[1]]
    key = ours[0][0] if ours else '(no frame of ours)'
    self_ours[(comm, key)] += 1
    seen = set()
    for s, d in ours:
        if s not in seen:
            incl[(comm, s)] += 1; seen.add(s)
    frames = []
for line in sys.stdin:
    if not line.strip():
        flush(); comm = None; continue
    if not line.startswith((' ', '\t')):
        flush(); comm = line.split()[0] if not line.startswith('Thread') else 'Thread (pooled)'; continue
    m = re.match(r'\s+[0-9a-f]+\s+(.*)\s+\((.*)\)$', line.rstrip())
    if m:
        sym = re.sub(r'\+0x[0-9a-f]+$', '', m.group(1)).strip()
        frames.append((sym, m.group(2)))
flush()
allsamples = sum(total.values())
print("samples:", dict(total))
print("\n== time by innermost function of ours (self incl. Qt below it), % of all samples ==")
for (c, k), n in self_ours.most_common(30):
    print(f"{100*n/allsamples:6.2f}%  {c[:16]:16}  {k[:110]}")
print("\n== inclusive, functions of ours, main thread ==")
for (c, k), n in incl.most_common(45):
    if c != 'Thread (pooled)': print(f"{100*n/allsamples:6.2f}%  {k[:120]}")
