#!/usr/bin/env python3
"""Prints the benchmark table of scripts/bench.sh from Google Benchmark's
JSON (medians of the repetitions) and the GDI harness's lines."""
import json
import sys

DRAG_TARGET_MS = 4.0
APPLY_TARGET_MS = 25.0


def native_medians(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            medians[b["run_name"]] = b["real_time"] * scale
    return medians


def gdi_medians(path):
    medians = {}
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3 and parts[0].startswith("BM_"):
                medians[parts[0]] = float(parts[1])
    return medians


def cell(value, fmt="{:8.2f}"):
    return fmt.format(value) if value is not None else "       -"


def main():
    native = native_medians(sys.argv[1])
    gdi = gdi_medians(sys.argv[2]) if len(sys.argv) > 2 else {}
    themes = sorted({n.split("/")[1] for n in native if n.startswith("BM_DragStep/")},
                    key=lambda t: [n for n in native].index("BM_DragStep/" + t + "/1920x1080"))
    print("Drag step of RightCorner at 1920x1080 (median ms; target <= %.0f ms; GDI must be >= 3x)" % DRAG_TARGET_MS)
    print("%-14s %8s %8s %8s %8s %8s %8s  %s" % ("theme", "step", "floor", "x floor", "gdi", "gdi/ours", "frame", "verdict"))
    misses = 0
    for t in themes:
        step = native.get("BM_DragStep/%s/1920x1080" % t)
        floor = native.get("BM_Floor/%s/1920x1080" % t)
        g = gdi.get("BM_DragStep/%s/1920x1080" % t)
        frame = native.get("BM_FramePaint/%s/1920x1080" % t)
        over_floor = step / floor if step and floor else None
        vs_gdi = g / step if g and step else None
        verdict = []
        if step is not None and step > DRAG_TARGET_MS:
            verdict.append("SLOW")
        if vs_gdi is not None and vs_gdi < 3:
            verdict.append("<3x GDI")
        misses += bool(verdict)
        print("%-14s %s %s %s %s %s %s  %s" % (t, cell(step), cell(floor, "{:8.3f}"), cell(over_floor, "{:8.1f}"),
                                               cell(g), cell(vs_gdi, "{:8.1f}"), cell(frame),
                                               " ".join(verdict) or "ok"))
    print()
    print("Theme apply at 1280x800 (median ms; target <= %.0f ms)" % APPLY_TARGET_MS)
    print("%-14s %8s %8s %8s  %s" % ("theme", "apply", "gdi", "gdi/ours", "verdict"))
    for t in themes:
        a = native.get("BM_ThemeApply/%s" % t)
        g = gdi.get("BM_ThemeApply/%s" % t)
        ok = a is not None and a <= APPLY_TARGET_MS
        misses += not ok
        print("%-14s %s %s %s  %s" % (t, cell(a), cell(g), cell(g / a if g and a else None, "{:8.1f}"),
                                      "ok" if ok else "SLOW"))
    print()
    print("targets missed: %d" % misses)


if __name__ == "__main__":
    main()
