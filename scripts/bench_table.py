#!/usr/bin/env python3
"""Prints the benchmark table of scripts/bench.sh from Google Benchmark's
JSON (medians of the repetitions) and the GDI harness's lines."""
import json
import statistics
import sys

DRAG_TARGET_MS = 4.0
APPLY_TARGET_MS = 25.0
REAL_DRAG_TARGET_MS = 10.0
REAL_HOVER_TARGET_MS = 2.0
REAL_THEME_TARGET_MS = 25.0
STUDIO_TARGET_MS = 30.0


def native_medians(path):
    with open(path) as f:
        data = json.load(f)
    medians, cpu = {}, {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            medians[b["run_name"]] = b["real_time"] * scale
            cpu[b["run_name"]] = b["cpu_time"] * scale
    return medians, cpu


def gdi_medians(path):
    """Wall-clock medians and CPU times per iteration of the GDI harness."""
    medians, cpu = {}, {}
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 4 and parts[0].startswith("BM_"):
                medians[parts[0]] = float(parts[1])
                cpu[parts[0]] = float(parts[3])
    return medians, cpu


def activex_rows(paths):
    """The real control's lines: (bits, theme, size) -> {figure: ms}. A file
    may hold several rounds; each figure is then taken across them. A file
    made under an emulator marks its rows "emulated": they get no verdict."""
    rounds, emulated, emulated_rows = {}, set(), set()
    for path in paths:
        try:
            f = open(path)
        except OSError:
            continue
        with f:
            for line in f:
                parts = line.split()
                if parts[:1] == ["SKIPPED"]:
                    print("not measured (%s): %s" % (path, " ".join(parts[1:])))
                if parts[:1] == ["EMULATED"]:
                    print("emulated, not the build's own speed (%s): %s" % (path, " ".join(parts[1:])))
                    emulated.add(path)
                if len(parts) >= 14 and len(parts) % 2 == 0 and parts[0] == "ACTIVEX":
                    figures = dict(zip(parts[4::2], map(float, parts[5::2])))
                    key = (parts[1], parts[2], parts[3])
                    rounds.setdefault(key, []).append(figures)
                    if path in emulated:
                        emulated_rows.add(key)
    rows = {key: {name: across(r[name] for r in runs) for name in runs[0]} for key, runs in rounds.items()}
    for key, figures in rows.items():
        figures["emulated"] = key in emulated_rows
    return rows


def across(values):
    """A figure over the rounds: their median, or the failure (a negative
    figure) of any round, which a median would hide."""
    values = list(values)
    failed = [v for v in values if v < 0]
    return failed[0] if failed else statistics.median(values)


def print_activex(rows):
    """Prints the real-control table; returns the number of missed targets."""
    if not rows:
        return 0
    print("Real control under Wine in the ATL container (median ms; over several rounds, the median of the")
    print("rounds' medians): drag step <= %.0f ms at 1920x1080, hover repaint (over, back) <= %.0f ms, theme"
          % (REAL_DRAG_TARGET_MS, REAL_HOVER_TARGET_MS))
    print("switch <= %.0f ms; 'plain' is a plain window resized" % REAL_THEME_TARGET_MS)
    print("the same way, 'x plain' the drag step over it. 'drag'/'plain' step one pixel in and back, inside the")
    print("32-pixel surface Wine keeps for a top-level window; 'dragx'/'plainx' step out and back across it.")
    print("%-4s %-14s %-10s %8s %8s %8s %8s %8s %8s %8s %8s  %s" % (
        "bits", "theme", "size", "drag", "plain", "x plain", "dragx", "plainx", "over", "back", "theme", "verdict"))
    misses = 0
    for (bits, theme, size), f in rows.items():
        verdict = []
        if size == "1920x1080" and not 0 <= f["drag"] <= REAL_DRAG_TARGET_MS:
            verdict.append("SLOW-DRAG")
        if not (0 <= f["over"] <= REAL_HOVER_TARGET_MS and 0 <= f["back"] <= REAL_HOVER_TARGET_MS):
            verdict.append("SLOW-HOVER")
        if not 0 <= f["theme"] <= REAL_THEME_TARGET_MS:
            verdict.append("SLOW-THEME")
        if f["emulated"]:
            verdict = ["emulated: no verdict"]
        else:
            misses += bool(verdict)
        ratio = f["drag"] / f["plain"] if f["plain"] > 0 else None
        print("%-4s %-14s %-10s %s %s %s %s %s %s %s %s  %s" % (
            bits, theme, size, cell(f["drag"]), cell(f["plain"]), cell(ratio, "{:8.1f}"), cell(f.get("dragx")),
            cell(f.get("plainx")), cell(f["over"]), cell(f["back"]), cell(f["theme"]), " ".join(verdict) or "ok"))
    print()
    return misses


def cell(value, fmt="{:8.2f}"):
    return fmt.format(value) if value is not None else "       -"


def print_studio(native, themes):
    """The theme studio's preview (render and PNG); returns the missed targets."""
    studio = [n for n in native if n.startswith("BM_StudioPreview/")]
    if not studio:
        return 0
    themes = themes or list(dict.fromkeys(n.split("/")[1] for n in studio))
    print("Studio preview at 800x600 (median ms; target <= %.0f ms)" % STUDIO_TARGET_MS)
    print("%-14s %8s %8s  %s" % ("theme", "plain", "hover", "verdict"))
    misses = 0
    for t in themes:
        plain = native.get("BM_StudioPreview/%s/800x600" % t)
        hover = native.get("BM_StudioPreview/%s/800x600/hover" % t)
        ok = plain is not None and hover is not None and max(plain, hover) <= STUDIO_TARGET_MS
        misses += not ok
        print("%-14s %s %s  %s" % (t, cell(plain), cell(hover), "ok" if ok else "SLOW"))
    print()
    return misses


def main():
    if sys.argv[1] == "--activex":
        misses = print_activex(activex_rows(sys.argv[2:]))
        print("targets missed: %d" % misses)
        return
    native, cpu = native_medians(sys.argv[1])
    gdi, gdi_cpu = gdi_medians(sys.argv[2]) if len(sys.argv) > 2 else ({}, {})
    themes = sorted({n.split("/")[1] for n in native if n.startswith("BM_DragStep/")},
                    key=lambda t: [n for n in native].index("BM_DragStep/" + t + "/1920x1080"))
    print("Drag step of RightCorner at 1920x1080 (median ms; target <= %.0f ms; GDI must be >= 3x)" % DRAG_TARGET_MS)
    print("Wall-clock medians; 'cpu' is the process CPU time, which a loaded machine inflates less;")
    print("'gdi' is GDI's CPU time under Wine; 'floor' (CPU) is writing the step's pixel bytes once;")
    print("'x floor' and 'gdi/ours' compare CPU times.")
    print("%-14s %8s %8s %8s %8s %8s %8s %8s  %s" % ("theme", "step", "cpu", "floor", "x floor", "gdi", "gdi/ours",
                                                   "frame", "verdict"))
    misses = 0
    for t in themes:
        step = native.get("BM_DragStep/%s/1920x1080" % t)
        floor = cpu.get("BM_Floor/%s/1920x1080" % t)
        g = gdi_cpu.get("BM_DragStep/%s/1920x1080" % t)
        step_cpu = cpu.get("BM_DragStep/%s/1920x1080" % t)
        frame = native.get("BM_FramePaint/%s/1920x1080" % t)
        over_floor = step_cpu / floor if step_cpu and floor else None
        vs_gdi = g / step_cpu if g and step_cpu else None
        verdict = []
        if step is not None and step > DRAG_TARGET_MS:
            verdict.append("SLOW")
        if vs_gdi is not None and vs_gdi < 3:
            verdict.append("<3x GDI")
        misses += bool(verdict)
        print("%-14s %s %s %s %s %s %s %s  %s" % (t, cell(step), cell(cpu.get("BM_DragStep/%s/1920x1080" % t)),
                                               cell(floor, "{:8.3f}"), cell(over_floor, "{:8.1f}"),
                                               cell(g), cell(vs_gdi, "{:8.1f}"), cell(frame),
                                               " ".join(verdict) or "ok"))
    print()
    print("Theme apply at 1280x800 (median ms; target <= %.0f ms)" % APPLY_TARGET_MS)
    print("%-14s %8s %8s %8s %8s  %s" % ("theme", "apply", "cpu", "gdi", "gdi/ours", "verdict"))
    for t in themes:
        a = native.get("BM_ThemeApply/%s" % t)
        g = gdi_cpu.get("BM_ThemeApply/%s" % t)
        a_cpu = cpu.get("BM_ThemeApply/%s" % t)
        ok = a is not None and a <= APPLY_TARGET_MS
        misses += not ok
        print("%-14s %s %s %s %s  %s" % (t, cell(a), cell(cpu.get("BM_ThemeApply/%s" % t)), cell(g), cell(g / a_cpu if g and a_cpu else None, "{:8.1f}"),
                                      "ok" if ok else "SLOW"))
    print()
    misses += print_studio(native, themes)
    misses += print_activex(activex_rows(sys.argv[3:]))
    print("targets missed: %d" % misses)


if __name__ == "__main__":
    main()
