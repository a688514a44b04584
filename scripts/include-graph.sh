#!/usr/bin/env bash
# Prints the include graph between the program's folders and flags every edge
# that points up or sideways against the layer order:
#
#   serial_link, logstore -> document -> device, view -> analysis, archive
#     -> reports -> widgets -> shell, cli
#
# Each `#include "X.h"` in a folder's sources is resolved to the folder that
# holds X.h (first the including file's own folder, then the one folder
# holding that name). app/widgets/device counts as widgets. An edge line is
#   FROM -> TO  (N includes)  [UP|SIDEWAYS: file:line ...]
# Then it counts the Qt Widgets headers included below widgets (shell and cli
# may use them). Exit status 0; "bad edges: 0" and "Qt Widgets includes below
# widgets: 0" are clean. With a build folder (build/, or $HY_BUILD_DIR) it
# also counts, per folder, the sources compiled with Qt Widgets on their
# include path.
#
#   scripts/include-graph.sh [--files] [CHECKOUT]
# --files lists every offending include line (else only the files).
set -euo pipefail
files=0
if [ "${1:-}" = "--files" ]; then files=1; shift; fi
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"
python3 - "$files" <<'PY'
import os, re, sys
show_files = sys.argv[1] == "1"
rank = {"serial_link": 1, "logstore": 1, "document": 2, "device": 3, "view": 3,
        "analysis": 4, "archive": 4, "reports": 5, "widgets": 6, "shell": 7, "cli": 7}
roots = ["serial_link", "logstore"] + sorted("app/" + d for d in os.listdir("app")
                                              if os.path.isdir("app/" + d))
def folder_of(path):
    parts = path.split("/")
    if parts[0] == "app":
        return parts[1] if len(parts) > 2 else None
    return parts[0]
where = {}          # header name -> set of folders
sources = []
for top in roots:
    for dirpath, _, names in os.walk(top):
        for n in names:
            p = os.path.join(dirpath, n)
            f = folder_of(p)
            if f is None or f not in rank:
                continue
            if n.endswith((".h", ".hpp")):
                where.setdefault(n, set()).add(f)
            if n.endswith((".h", ".hpp", ".c", ".cpp")):
                sources.append((p, f))
inc = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
edges = {}
for p, f in sorted(sources):
    with open(p, encoding="utf-8", errors="replace") as fh:
        for lineno, line in enumerate(fh, 1):
            m = inc.match(line)
            if not m:
                continue
            name = os.path.basename(m.group(1))
            if os.path.exists(os.path.join(os.path.dirname(p), m.group(1))):
                target = f
            else:
                holders = where.get(name, set())
                if len(holders) != 1:
                    continue      # generated (moc, ui) or ambiguous
                target = next(iter(holders))
            if target != f:
                edges.setdefault((f, target), []).append(f"{p}:{lineno}")
bad = 0
order = sorted(rank, key=lambda k: (rank[k], k))
for a, b in sorted(edges, key=lambda e: (order.index(e[0]), order.index(e[1]))):
    where_from = edges[(a, b)]
    verdict = ""
    if rank[b] > rank[a]:
        verdict = "UP"
    elif rank[b] == rank[a]:
        verdict = "SIDEWAYS"
    print(f"{a} -> {b}  ({len(where_from)} includes)" + (f"  [{verdict}]" if verdict else ""))
    if verdict:
        bad += 1
        if show_files:
            for w in where_from:
                print(f"    {w}")
print(f"bad edges: {bad}")
# Qt Widgets belongs to widgets, shell and cli only.
qtw = set()
for d in ("/usr/include/x86_64-linux-gnu/qt6/QtWidgets", "/usr/include/qt6/QtWidgets"):
    if os.path.isdir(d):
        qtw.update(n for n in os.listdir(d) if not n.endswith(".h"))
qtw.add("QtWidgets")
sys_inc = re.compile(r'^\s*#\s*include\s*<(?:QtWidgets/)?([A-Za-z]+)>')
widget_users = []
for p, f in sorted(sources):
    if f in ("widgets", "shell", "cli"):
        continue
    with open(p, encoding="utf-8", errors="replace") as fh:
        for lineno, line in enumerate(fh, 1):
            m = sys_inc.match(line)
            if m and m.group(1) in qtw:
                widget_users.append(f"{p}:{lineno} <{m.group(1)}>")
for w in widget_users if show_files else []:
    print(f"    Qt Widgets outside widgets/shell/cli: {w}")
files_using = sorted({w.split(":")[0] for w in widget_users})
print(f"Qt Widgets includes below widgets: {len(widget_users)} in {len(files_using)} files")
if not show_files:
    for w in files_using:
        print(f"    {w}")
# What the build gives each folder: sources compiled with Qt Widgets on the
# include path (from the build's compile_commands.json, when there is one).
cc_path = os.environ.get("HY_BUILD_DIR", "build") + "/compile_commands.json"
if os.path.exists(cc_path):
    import json
    per = {}
    for e in json.load(open(cc_path)):
        rel = os.path.relpath(e["file"], os.getcwd())
        f = folder_of(rel)
        if f is None or f not in rank or "_autogen" in rel:
            continue
        n = per.setdefault(f, [0, 0])
        n[0] += 1
        n[1] += "QtWidgets" in e.get("command", " ".join(e.get("arguments", [])))
    print("sources built with Qt Widgets on the include path (" + cc_path + "):")
    for f in order:
        if f in per:
            print(f"    {f}: {per[f][1]} of {per[f][0]}")
PY
