#!/usr/bin/env python3
"""A random sample of small faults put into the portable core, one at a
time, and which native unit tests catch each: how much the suites check,
and whether a test is the only one to catch something.

  mutation_sample.py gen SEED COUNT > faults.jsonl      (run in the repository)
  mutation_sample.py run TREE faults.jsonl OUT.jsonl [START STEP]
  mutation_sample.py report OUT.jsonl...

TREE is a separate worktree (`git worktree add TREE`) with a native build in
TREE/build (`cmake -S TREE -B TREE/build -G Ninja -DCMAKE_BUILD_TYPE=Debug
-DCMAKE_CXX_FLAGS="-O1 -g"`): each fault is written into its source, the
unit suites that relink are run, and the source is put back. Two trees with
START 0 and 1, STEP 2, use both cores. Headers are left out: one changed
header rebuilds most of the tree. A fault that does not compile is skipped.
"""
import collections
import json
import os
import random
import re
import subprocess
import sys
import time

DIRS = ["src/graphics", "src/raster", "src/text", "src/cell", "src/skin", "src/runtime", "src/stage", "src/draw",
        "src/platform/sim"]
SUITES = ["graphics", "raster", "text", "cell", "skin", "runtime", "hardening", "studio", "platform/sim"]
# The theme table is data: a few of its values stand for all of them.
DATA_FILE, DATA_SHARE = "src/skin/body_themes.cpp", 50

SWAPS = [(" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "), (" == ", " != "), (" != ", " == "),
         (" && ", " || "), (" || ", " && "), (" + ", " - "), (" - ", " + "), ("return true;", "return false;"),
         ("return false;", "return true;"), ("++", "--")]
STATEMENT = re.compile(r"^[A-Za-z_][\w:.\->]*(\(.*\))?(\s*[-+*/|&]?=.*)?;$")
NOT_STATEMENTS = ("return", "break", "continue", "using", "const ", "auto ", "int ", "double ", "bool ")


def faults_in(path, lines):
    for i, line in enumerate(lines):
        s = line.strip()
        if not s or s.startswith(("//", "#", "static_assert")):
            continue
        code = line.split("//")[0]
        for old, new in SWAPS:
            for at in (m.start() for m in re.finditer(re.escape(old), code)):
                yield {"file": path, "line": i, "col": at, "old": old, "new": new}
        for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.'])", code):
            yield {"file": path, "line": i, "col": m.start(), "old": m.group(1), "new": str(int(m.group(1)) + 1)}
        if s.endswith(";") and STATEMENT.match(s) and not s.startswith(NOT_STATEMENTS):
            yield {"file": path, "line": i, "col": 0, "old": line, "new": "", "delete": True}


def generate(seed, count):
    faults = []
    for d in DIRS:
        for base, _, files in os.walk(d):
            for f in sorted(files):
                if f.endswith(".cpp"):
                    path = os.path.join(base, f)
                    faults += faults_in(path, open(path, encoding="utf-8").read().split("\n"))
    random.Random(seed).shuffle(faults)
    data = [f for f in faults if f["file"] == DATA_FILE][:DATA_SHARE]
    faults = [f for f in faults if f["file"] != DATA_FILE][: max(0, count - len(data))] + data
    random.Random(seed).shuffle(faults)
    for n, f in enumerate(faults):
        f["id"] = n
        print(json.dumps(f))


def put_in(tree, fault):
    path = os.path.join(tree, fault["file"])
    text = open(path, encoding="utf-8").read()
    lines = text.split("\n")
    line = lines[fault["line"]]
    if fault.get("delete"):
        lines[fault["line"]] = ""
    else:
        end = fault["col"] + len(fault["old"])
        if line[fault["col"]:end] != fault["old"]:
            raise SystemExit(f"{fault['file']}:{fault['line'] + 1} is not as it was when the faults were made")
        lines[fault["line"]] = line[:fault["col"]] + fault["new"] + line[end:]
    open(path, "w", encoding="utf-8").write("\n".join(lines))
    return text


def try_fault(tree, fault):
    original = put_in(tree, fault)
    try:
        targets = ["glavo_test_" + s.split("/")[-1] for s in SUITES]
        build = subprocess.run(["ninja", "-C", "build"] + targets, cwd=tree, capture_output=True, text=True)
        if build.returncode != 0:
            return {"status": "nocompile"}
        relinked = set(re.findall(r"Linking CXX executable tests/(\S+)/glavo_test_", build.stdout))
        caught, crashed = [], []
        for suite in (s for s in SUITES if s in relinked):
            exe = os.path.join(tree, "build/tests", suite, "glavo_test_" + suite.split("/")[-1])
            try:
                run = subprocess.run([exe, "--gtest_brief=1"], capture_output=True, text=True, timeout=20,
                                     cwd=os.path.dirname(exe))
            except subprocess.TimeoutExpired:
                crashed.append(suite + ":timeout")
                continue
            failed = sorted(set(re.findall(r"^\[  FAILED  \] ([\w/]+\.[\w/]+)", run.stdout, re.M)))
            if run.returncode != 0 and not failed:
                crashed.append(suite)
            caught += failed
        return {"status": "ok", "caught": caught, "crashed": crashed}
    finally:
        open(os.path.join(tree, fault["file"]), "w", encoding="utf-8").write(original)


def run(tree, faults_path, out_path, start=0, step=1):
    faults = [json.loads(l) for l in open(faults_path)]
    done = {json.loads(l)["id"] for l in open(out_path)} if os.path.exists(out_path) else set()
    for fault in faults[start::step]:
        if fault["id"] in done:
            continue
        began = time.time()
        result = try_fault(tree, fault)
        result.update({"id": fault["id"], "file": fault["file"], "line": fault["line"] + 1,
                       "old": fault["old"].strip()[:60], "new": fault["new"], "seconds": round(time.time() - began, 1)})
        with open(out_path, "a") as out:
            out.write(json.dumps(result) + "\n")


def test_name(failed):
    # "Instance/Suite.Test/param" is one test, "Suite.Test".
    return next(part for part in failed.split("/") if "." in part)


def report(paths):
    results = {}
    for p in paths:
        for l in open(p):
            r = json.loads(l)
            results[r["id"]] = r
    compiled = [r for r in results.values() if r["status"] == "ok"]
    caught = [r for r in compiled if r["caught"] or r["crashed"]]
    by_tests = [set(map(test_name, r["caught"])) for r in caught if not r["crashed"]]
    alone = collections.Counter(next(iter(t)) for t in by_tests if len(t) == 1)
    print(f"{len(compiled)} faults compiled, {len(caught)} caught "
          f"({100 * len(caught) // max(1, len(compiled))}%), {sum(alone.values())} caught by one test only, "
          f"{len(alone)} tests the only ones to catch a fault")
    for name, n in alone.most_common():
        print(f"  {n}  {name}")
    print("not caught:")
    for r in compiled:
        if not r["caught"] and not r["crashed"]:
            print(f"  {r['file']}:{r['line']}  {r['old']!r} -> {r['new']!r}")


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "gen" and len(sys.argv) == 4:
        generate(int(sys.argv[2]), int(sys.argv[3]))
    elif command == "run" and len(sys.argv) in (5, 7):
        run(sys.argv[2], sys.argv[3], sys.argv[4], *map(int, sys.argv[5:]))
    elif command == "report" and len(sys.argv) > 2:
        report(sys.argv[2:])
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
