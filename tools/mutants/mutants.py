#!/usr/bin/env python3
"""Measures which planted faults the test suite catches.

Each fault in the list is one exact text replacement in one source file. For
every fault the script applies it to a scratch git worktree of the commit under
test, rebuilds incrementally in one persistent build directory, runs the suite,
puts the file back and records the outcome:

  killed    the suite failed (the first failing test is recorded)
  survived  the suite passed with the fault in place
  no-build  the fault did not compile (not counted as killed)
  stale     the original snippet is missing or occurs more than once

Score = killed / (killed + survived). See README.md for usage.
"""

import argparse
import datetime
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
DEFAULT_LIST = HERE / "faults.txt"
STATUSES = ("killed", "survived", "no-build", "stale")


class Fault:
    def __init__(self, fid, kind, path, original, replacement, note=""):
        self.id, self.kind, self.path = fid, kind, path
        self.original, self.replacement, self.note = original, replacement, note


def unescape(text):
    # "\n" in a list entry stands for a line break; "\\" for a backslash.
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text) and text[i + 1] in "n\\":
            out.append("\n" if text[i + 1] == "n" else "\\")
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def load_faults(path):
    """Reads blocks of 'key: value' lines separated by blank lines."""
    faults, block, seen = [], {}, set()

    def flush(lineno):
        if not block:
            return
        missing = [k for k in ("id", "kind", "file", "from", "to") if k not in block]
        if missing:
            sys.exit(f"{path}:{lineno}: fault block lacks {', '.join(missing)}")
        if block["id"] in seen:
            sys.exit(f"{path}:{lineno}: duplicate fault id {block['id']}")
        seen.add(block["id"])
        faults.append(Fault(block["id"], block["kind"], block["file"], unescape(block["from"]),
                            unescape(block["to"]), block.get("note", "")))
        block.clear()

    lines = Path(path).read_text().splitlines()
    for n, line in enumerate(lines, 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            flush(n)
            continue
        key, sep, value = line.partition(":")
        if not sep or key not in ("id", "kind", "file", "from", "to", "note"):
            sys.exit(f"{path}:{n}: expected 'key: value', got {line!r}")
        block[key] = value[1:] if value.startswith(" ") else value
    flush(len(lines))
    return faults


def run(cmd, cwd=None, timeout=None, env=None):
    return subprocess.run(cmd, cwd=cwd, env=env, timeout=timeout, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True, errors="replace")


def git(repo, *args):
    result = run(["git", "-C", str(repo), *args])
    if result.returncode != 0:
        sys.exit(f"git {' '.join(args)} failed:\n{result.stdout}")
    return result.stdout.strip()


def prepare_tree(args):
    """Puts the scratch worktree on the commit under test, clean."""
    tree = Path(args.tree)
    source_repo = Path(args.repo)
    commit = git(source_repo, "rev-parse", "--verify", args.commit + "^{commit}")
    if not (tree / ".git").exists():
        tree.parent.mkdir(parents=True, exist_ok=True)
        git(source_repo, "worktree", "add", "--detach", str(tree), commit)
    else:
        # The scratch tree belongs to this script: throw away a fault left
        # behind by an interrupted run and move to the commit under test.
        git(tree, "checkout", "--detach", "--force", commit)
    return tree, commit


def configure_and_build(tree, build, log):
    if not (build / "CMakeCache.txt").exists():
        cmd = ["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DCORVANE_BUILD_GUI=ON",
               "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
        # Every fault relinks most binaries; lld makes that several times
        # faster than the default linker (link flags do not touch objects).
        if shutil.which("ld.lld"):
            cmd.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
        result = run(cmd)
        log.write(result.stdout)
        if result.returncode != 0:
            sys.exit("configure failed; see the log")
    return build_tree(build, log, timeout=None)


def build_tree(build, log, timeout):
    try:
        result = run(["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2)], timeout=timeout)
    except subprocess.TimeoutExpired:
        log.write("build timed out\n")
        return False
    log.write(result.stdout[-20000:])
    return result.returncode == 0


# ctest names of parameterised cases carry "  # GetParam() = ..." after the
# name proper, so names are matched up to the dots or the status.
FAILED_LINE = re.compile(r"^\s*\d+ - (.+?) \((Failed|Timeout|SEGFAULT|Subprocess aborted|Child aborted|"
                         r"Exception|OTHER_FAULT|[^)]*)\)\s*$")
FAIL_PROGRESS = re.compile(r"Test\s+#\d+: (.+?) \.{3,}\s*\*+(Failed|Timeout|Exception|\w)")


def short_name(name):
    return name.split("  #", 1)[0].strip()


COST_FILE = Path("Testing/Temporary/CTestCostData.txt")


def remember_costs(build, fresh):
    """Keeps the per-test times of the fault-free run (ctest rewrites its own
    file after every run, so a copy is kept beside it)."""
    saved = build / "mutants-test-costs.txt"
    if fresh and (build / COST_FILE).is_file():
        saved.write_text((build / COST_FILE).read_text())
    path = saved
    costs = {}
    if path.is_file():
        for line in path.read_text().splitlines():
            if line.startswith("---"):
                break
            parts = line.rsplit(None, 2)  # names may hold spaces
            if len(parts) == 3:
                costs[parts[0]] = float(parts[2])
    return costs


def fast_tests_first(build, costs):
    """ctest starts the tests with the highest cost first. Handing it inverted
    costs starts the quick unit tests first, so that a fault they catch ends
    the run (--stop-on-failure) within seconds."""
    if not costs:
        return
    top = max(costs.values()) + 1.0
    lines = [f"{name} 1 {top - cost:.4f}" for name, cost in costs.items()]
    (build / COST_FILE).write_text("\n".join(lines) + "\n---\n")


def run_suite(build, args, log, costs=None):
    """Runs ctest; gives (passed, [failing test names])."""
    fast_tests_first(build, costs)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    cmd = ["ctest", "-j", str(args.jobs), "--timeout", str(args.test_timeout)]
    if not args.all_failures:
        cmd.append("--stop-on-failure")
    if not args.with_packaging:
        cmd += ["-LE", "packaging"]
    try:
        result = run(cmd, cwd=build, env=env, timeout=args.suite_timeout)
    except subprocess.TimeoutExpired:
        return False, ["(suite time-out)"]
    log.write(result.stdout[-30000:])
    failing = []
    for line in result.stdout.splitlines():
        m = FAIL_PROGRESS.search(line) or FAILED_LINE.match(line)
        if m and short_name(m.group(1)) not in failing:
            failing.append(short_name(m.group(1)))
    if result.returncode != 0 and not failing:
        failing = ["(ctest exit %d)" % result.returncode]
    return result.returncode == 0, failing


def snippet_pattern(snippet):
    """The snippet as a regular expression that ignores how the code is laid
    out: any run of blanks and line breaks matches any other, and a line may
    break after an opening bracket or a comma or before a closing one. So a
    reformatted file still holds the same faults."""
    def part(word):
        out = ""
        for ch in word:
            if ch in "),":
                out += r"\s*" + re.escape(ch) if ch == ")" else re.escape(ch) + r"\s*"
            elif ch == "(":
                out += re.escape(ch) + r"\s*"
            else:
                out += re.escape(ch)
        return out
    return re.compile(r"\s+".join(part(w) for w in snippet.split()))


def check_snippet(tree, fault):
    """The file's text and the span of the fault's snippet in it."""
    path = tree / fault.path
    if not path.is_file():
        return None, "file missing"
    text = path.read_text()
    found = list(snippet_pattern(fault.original).finditer(text))
    if len(found) != 1:
        return None, "snippet found %d times" % len(found)
    return text, found[0].span()


def header(commit, args):
    return (f"# mutation run of commit {commit}\n"
            f"# started {datetime.datetime.utcnow():%Y-%m-%d %H:%M} UTC, list {args.list}\n"
            "# id\tkind\tstatus\tfirst failing test / reason\tseconds\n")


def score_lines(rows):
    killed = sum(1 for r in rows if r["status"] == "killed")
    survived = sum(1 for r in rows if r["status"] == "survived")
    lines = []
    total = killed + survived
    pct = 100.0 * killed / total if total else 0.0
    lines.append(f"score {killed}/{total} = {pct:.1f} %"
                 + "".join(f", {s} {sum(1 for r in rows if r['status'] == s)}" for s in ("no-build", "stale")))
    kinds = sorted({r["kind"] for r in rows})
    for kind in kinds:
        k = sum(1 for r in rows if r["kind"] == kind and r["status"] == "killed")
        s = sum(1 for r in rows if r["kind"] == kind and r["status"] == "survived")
        lines.append(f"  {kind:<10} {k}/{k + s} killed")
    survivors = [r["id"] for r in rows if r["status"] == "survived"]
    if survivors:
        lines.append("survived: " + " ".join(survivors))
    return lines


def read_results(path):
    rows = []
    for line in Path(path).read_text().splitlines():
        if not line or line.startswith("#") or line.startswith("score") or line.startswith("  ") \
                or line.startswith("survived:"):
            continue
        parts = line.split("\t")
        if len(parts) >= 3 and parts[2] in STATUSES:
            rows.append({"id": parts[0], "kind": parts[1], "status": parts[2],
                         "detail": parts[3] if len(parts) > 3 else ""})
    return rows


def compare(before_path, after_path):
    before = {r["id"]: r for r in read_results(before_path)}
    after = {r["id"]: r for r in read_results(after_path)}
    print(f"before: {score_lines(list(before.values()))[0]}")
    print(f"after:  {score_lines(list(after.values()))[0]}")
    lost = [i for i, r in before.items() if r["status"] == "killed" and after.get(i, {}).get("status") != "killed"]
    gained = [i for i, r in after.items() if r["status"] == "killed" and before.get(i, {}).get("status") != "killed"]
    for i in lost:
        print(f"LOST   {i}: killed before, {after.get(i, {}).get('status', 'not run')} after")
    for i in gained:
        print(f"gained {i}: {before.get(i, {}).get('status', 'not run')} before, killed after")
    if not lost:
        print("every fault killed before is killed after")
    return 1 if lost else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("ids", nargs="*", help="run only these fault ids (default: all)")
    parser.add_argument("--list", default=str(DEFAULT_LIST), help="fault list (default: faults.txt here)")
    parser.add_argument("--repo", default=str(HERE.parent.parent), help="repository that holds the commit")
    parser.add_argument("--commit", default="HEAD", help="commit under test (default: HEAD of --repo)")
    parser.add_argument("--tree", default="/work/mut/tree", help="scratch worktree (created if missing)")
    parser.add_argument("--build", help="persistent build directory (default: TREE/build)")
    parser.add_argument("--results", default="mutants-results.txt", help="results file to write")
    parser.add_argument("--log", default=None, help="build and test output (default: RESULTS.log)")
    parser.add_argument("--jobs", type=int, default=2, help="ctest -j (default 2)")
    parser.add_argument("--test-timeout", type=int, default=120, help="ctest --timeout per test")
    parser.add_argument("--suite-timeout", type=int, default=1800, help="limit for one suite run, seconds")
    parser.add_argument("--all-failures", action="store_true",
                        help="run the whole suite per fault and record every failing test (slower)")
    parser.add_argument("--with-packaging", action="store_true", help="include the packaging checks")
    parser.add_argument("--no-baseline", action="store_true", help="skip the suite run without faults")
    parser.add_argument("--check", action="store_true", help="only report stale faults, build nothing")
    parser.add_argument("--compare", nargs=2, metavar=("BEFORE", "AFTER"),
                        help="compare two results files and exit (1 when a killed fault got lost)")
    args = parser.parse_args()

    if args.compare:
        return compare(*args.compare)

    faults = load_faults(args.list)
    if args.ids:
        unknown = set(args.ids) - {f.id for f in faults}
        if unknown:
            sys.exit("unknown fault ids: " + " ".join(sorted(unknown)))
        faults = [f for f in faults if f.id in args.ids]

    tree, commit = prepare_tree(args)
    if args.check:
        stale = 0
        for f in faults:
            text, why = check_snippet(tree, f)
            if text is None:
                stale += 1
                print(f"stale {f.id}: {f.path}: {why}")
        print(f"{len(faults) - stale} of {len(faults)} faults apply to {commit[:10]}")
        return 1 if stale else 0

    build = Path(args.build) if args.build else tree / "build"
    log = open(args.log or args.results + ".log", "w")
    print(f"commit {commit[:10]}, tree {tree}, build {build}", flush=True)
    if not configure_and_build(tree, build, log):
        sys.exit("the unchanged commit does not build; see the log")
    if not args.no_baseline:
        ok, failing = run_suite(build, args, log)
        if not ok:
            sys.exit("the suite fails without any fault: " + ", ".join(failing))
        print("baseline suite passes", flush=True)
    costs = remember_costs(build, fresh=not args.no_baseline)

    rows = []
    results = open(args.results, "w")
    results.write(header(commit, args))
    results.flush()
    for n, fault in enumerate(faults, 1):
        started = time.monotonic()
        text, where = check_snippet(tree, fault)
        if text is None:
            status, detail = "stale", where
        else:
            path = tree / fault.path
            try:
                path.write_text(text[:where[0]] + fault.replacement + text[where[1]:])
                log.write(f"\n===== {fault.id}\n")
                if not build_tree(build, log, timeout=1800):
                    status, detail = "no-build", ""
                else:
                    ok, failing = run_suite(build, args, log, costs)
                    status, detail = ("survived", "") if ok else ("killed", failing[0] if failing else "")
            finally:
                # Content back; the new time stamp makes the next build recompile it.
                path.write_text(text)
        seconds = int(time.monotonic() - started)
        row = {"id": fault.id, "kind": fault.kind, "status": status, "detail": detail}
        rows.append(row)
        results.write(f"{fault.id}\t{fault.kind}\t{status}\t{detail}\t{seconds}\n")
        results.flush()
        log.flush()
        print(f"[{n}/{len(faults)}] {fault.id:<28} {status:<9} {detail} ({seconds} s)", flush=True)
    # Leave the build matching the unchanged tree.
    build_tree(build, log, timeout=None)
    summary = score_lines(rows)
    results.write("".join(line + "\n" for line in summary))
    results.close()
    print("\n".join(summary))
    return 0


if __name__ == "__main__":
    sys.exit(main())
