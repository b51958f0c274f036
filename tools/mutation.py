#!/usr/bin/env python3
"""Mutation testing of the portable core: changes one token at a time in
util/, exchange/, dimension/ and form/, rebuilds, runs the native tests and
reports which changes the tests let through.

  python3 tools/mutation.py -n 200 --seed 7            # 50 in each folder
  python3 tools/mutation.py -n 40 --folders util,form  # some of them
  python3 tools/mutation.py --list                     # count the sites only
  python3 tools/mutation.py --summary                  # the last run again
  python3 tools/mutation.py --retry old.jsonl          # its survivors again

Code that only the Windows build compiles (under `#ifdef _WIN32`, or a
file that includes <windows.h>) is left out: no native test can see it.
The mutants are built in a copy of the working tree, build/mutation/src
(configured once in build/mutation/build at -O1 with ccache, and with
checked indexing of std::array and of plain arrays, so that a loop running
one past an array's end fails), never in the tree itself. A mutant that does not compile is left out of the score; one
whose tests fail or run past the timeout is killed. Slow (tens of seconds a
mutant on two cores), so it is not part of CI.
"""

import argparse
import collections
import json
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["util", "exchange", "dimension", "form"]
# Tests that no change to the core can fail, or that need a release build,
# a Windows build or root.
SKIPPED_TESTS = ("^(layers|halvane_run_disk|host_standin_dialog|release_zip.*"
                 "|package_texts)$")

# Binary operators, written with a space on both sides by clang-format, so
# templates, pointers, references and unary signs are not taken for them.
OPERATORS = {
    "+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["*"],
    "<": ["<=", ">"], "<=": ["<", ">"], ">": [">=", "<"], ">=": [">", "<"],
    "==": ["!="], "!=": ["=="], "&&": ["||"], "||": ["&&"],
    "+=": ["-="], "-=": ["+="], "&": ["|"], "|": ["&"],
    "<<": [">>"], ">>": ["<<"],
}
TOKEN = re.compile(
    r"""(?P<skip>//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\])*"|'(?:\\.|[^'\\])*'"""
    r"""|^[ \t]*\#[^\n]*)"""
    r"""|(?P<float>(?<![\w.])(?:\d+\.\d*(?:[eE][-+]?\d+)?|\.\d+(?:[eE][-+]?\d+)?"""
    r"""|\d+[eE][-+]?\d+)[fFlL]?(?![\w.]))"""
    r"""|(?P<int>(?<![\w.])(?:0[xX][0-9a-fA-F']+|\d[\d']*)(?P<suffix>[uUlL]*)(?![\w.]))"""
    r"""|(?P<bool>\b(?:true|false)\b)"""
    r"""|(?P<not>!(?!=))"""
    r"""|(?<=\s)(?P<op>&&|\|\||<<|>>|<=|>=|==|!=|\+=|-=|[-+*/%<>&|])(?=\s)""",
    re.S | re.M)


def int_variants(text, suffix):
    body = text[: len(text) - len(suffix)] if suffix else text
    value = int(body.replace("'", ""), 0)
    hexa = body.lower().startswith("0x")
    out = []
    for v in (value - 1, value + 1):  # 0 -> 1, 1 -> 0 and 2
        if v < 0:
            continue
        digits = f"{v:0{len(body) - 2}X}" if hexa else str(v)
        out.append(("0x" if hexa else "") + digits + suffix)
    return out


def float_variants(text):
    m = re.fullmatch(r"(.*?)([eE])([-+]?\d+)([fFlL]?)", text)
    if m:  # 1e-10 -> 1e-9, 1e-11
        mant, e, exp, suf = m.groups()
        return [f"{mant}{e}{int(exp) + d}{suf}" for d in (1, -1)]
    suf = text[-1] if text[-1] in "fFlL" else ""
    value = float(text[: len(text) - len(suf)])
    out = [repr(value + 1), repr(value - 1) if value >= 1 else "0.0"]
    if value == 0:
        out = ["1.0"]
    return [v + suf for v in out if float(v) != value]


def windows_only_lines(text):
    """The lines that only the Windows build compiles: those under
    `#ifdef _WIN32` (up to its #else or #endif), and every line of a file that
    includes <windows.h> outside such a block. The native tests cannot see a
    change there, so it would count as a survivor that no test could kill."""
    lines = text.split("\n")
    stack, only = [], set()
    for number, line in enumerate(lines, 1):
        directive = re.match(r"\s*#\s*(\w+)\s*(.*)", line)
        word, rest = directive.groups() if directive else ("", "")
        if word in ("if", "ifdef", "ifndef"):
            win = re.fullmatch(r"(defined\s*\(?\s*)?_WIN32\s*\)?\s*", rest)
            stack.append(("win" if word != "ifndef" else "native") if win
                         else "other")
        elif word in ("else", "elif") and stack:
            flip = {"win": "native", "native": "win"}
            stack[-1] = flip.get(stack[-1], "other")
        elif word == "endif" and stack:
            stack.pop()
        if "win" in stack:
            only.add(number)
        elif word == "include" and "<windows.h>" in rest:
            return set(range(1, len(lines) + 1))
    return only


def sites_of(path, rel):
    """(rel, line, offset, before, after) for every mutation of one file."""
    text = path.read_text(encoding="utf-8", errors="surrogateescape")
    windows_only = windows_only_lines(text)
    out = []
    for m in TOKEN.finditer(text):
        if m.group("skip") is not None:
            continue
        line = text.count("\n", 0, m.start()) + 1
        if line in windows_only:
            continue
        if m.group("int") is not None:
            before = m.group("int")
            afters = int_variants(before, m.group("suffix") or "")
        elif m.group("float") is not None:
            before = m.group("float")
            afters = float_variants(before)
        elif m.group("bool") is not None:
            before = m.group("bool")
            afters = ["false" if before == "true" else "true"]
        elif m.group("not") is not None:
            before, afters = "!", [""]
        else:
            before = m.group("op")
            afters = OPERATORS[before]
        code = text.split("\n")[line - 1].strip()
        for after in afters:
            out.append({"file": rel, "line": line, "offset": m.start(),
                        "before": before, "after": after, "code": code})
    return out


def all_sites(folders):
    sites = []
    for folder in folders:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix in (".cpp", ".h") and path.is_file():
                sites += sites_of(path, str(path.relative_to(ROOT)))
    return sites


def source_files():
    listed = subprocess.run(
        ["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
        check=True, capture_output=True).stdout.decode().split("\0")
    return [f for f in listed if f and (ROOT / f).is_file()]


def sync_copy(src_dir):
    """Copies the working tree into the scratch tree, touching only the files
    that differ so the build there stays incremental."""
    wanted = set(source_files())
    for rel in wanted:
        a, b = ROOT / rel, src_dir / rel
        data = a.read_bytes()
        if b.is_file() and b.read_bytes() == data:
            continue
        b.parent.mkdir(parents=True, exist_ok=True)
        b.write_bytes(data)
        shutil.copymode(a, b)
    for b in list(src_dir.rglob("*")):
        if b.is_file() and str(b.relative_to(src_dir)) not in wanted:
            b.unlink()


def nice(cmd):
    return ["nice", "-n", "19"] + cmd


def run(cmd, timeout=None, **kw):
    """The exit status, or None after `timeout`, when the command and all it
    started (a test stuck in a loop) are killed."""
    with subprocess.Popen(cmd, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, start_new_session=True,
                          **kw) as proc:
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            return None


def configure(src_dir, build_dir):
    env = dict(os.environ, CCACHE_BASEDIR=str(src_dir), CCACHE_NOHASHDIR="1")
    env.setdefault("CCACHE_DIR", "/work/.ccache")
    if not (build_dir / "CMakeCache.txt").exists():
        subprocess.run(nice([
            "cmake", "-S", str(src_dir), "-B", str(build_dir), "-G", "Ninja",
            # Checked indexing: a loop running past an array's end fails.
            "-DCMAKE_BUILD_TYPE=Debug",
            "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -D_GLIBCXX_ASSERTIONS"
            " -fsanitize=bounds -fno-sanitize-recover=bounds",
            "-DHALVANE_BENCH=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]),
            check=True, env=env, stdout=subprocess.DEVNULL)
    return env


def build(build_dir, jobs, env, timeout=900):
    return run(nice(["cmake", "--build", str(build_dir), "-j", str(jobs)]),
               timeout=timeout, env=env)


def run_tests(build_dir, timeout, jobs):
    env = dict(os.environ, GTEST_FAIL_FAST="1")
    return run(nice(["ctest", "--test-dir", str(build_dir), "-E", SKIPPED_TESTS,
                     "--stop-on-failure", "--timeout", str(timeout),
                     "-j", str(jobs)]), timeout=timeout * 4, env=env)


def folder_of(site):
    return site["file"].split("/", 1)[0]


def sample(sites, folders, n, seed):
    """n mutants split evenly over the folders, so that each folder's score
    rests on as many mutants as the others'."""
    rng = random.Random(seed)
    chosen = []
    for i, folder in enumerate(folders):
        own = [s for s in sites if folder_of(s) == folder]
        share = n // len(folders) + (1 if i < n % len(folders) else 0)
        chosen += rng.sample(own, min(share, len(own)))
    rng.shuffle(chosen)
    return chosen


def refound(sites, log):
    """The survivors of an earlier log at their place in the tree as it is
    now; the code around them may have moved."""
    chosen = []
    for line in pathlib.Path(log).read_text().splitlines():
        old = json.loads(line)
        if old["status"] != "survived":
            continue
        same = [s for s in sites if (s["file"], s["before"], s["after"]) ==
                (old["file"], old["before"], old["after"])]
        if same:
            chosen.append(min(same, key=lambda s: abs(s["line"] - old["line"])))
        else:
            print(f"gone: {old['file']}:{old['line']}: {old['before']} -> "
                  f"{old['after']}")
    return chosen


def equivalents(path=ROOT / "tools" / "mutation-equivalent.txt"):
    """{(file, before, after, code): why} for the changes judged equivalent:
    no input can tell the mutant from the program."""
    out = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        # The source line may hold " | " itself; the reason never does.
        where, rest = line.split(" | ", 1)
        code, why = (part.strip() for part in rest.rsplit(" | ", 1))
        file, change = where.split(": ", 1)
        before, after = (side.strip() for side in change.split("->"))
        out[(file, before, after, code)] = why
    return out


def summary(results, out=sys.stdout):
    judged = equivalents()
    for r in results:
        if "code" not in r:  # a log from before the tool kept the line
            lines = (ROOT / r["file"]).read_text(errors="replace").split("\n")
            r["code"] = lines[r["line"] - 1].strip() if r["line"] <= len(lines) else ""
        key = (r["file"], r["before"], r["after"], r.get("code"))
        if r["status"] == "survived" and key in judged:
            r["status"], r["why"] = "equivalent", judged[key]
    by_folder = collections.OrderedDict((f, collections.Counter())
                                        for f in FOLDERS)
    survivors = []
    for r in results:
        c = by_folder.setdefault(folder_of(r), collections.Counter())
        c[r["status"]] += 1
        if r["status"] == "survived":
            survivors.append(r)
    total = collections.Counter()
    print("folder      killed/counted     score  equivalent  not compiling",
          file=out)
    for folder, c in list(by_folder.items()) + [("all", None)]:
        if c is None:
            c = total
        else:
            total.update(c)
        compiled = c["killed"] + c["survived"]
        if not compiled and not c["not compiling"] and not c["equivalent"]:
            continue
        score = f"{100 * c['killed'] / compiled:5.1f} %" if compiled else "    -"
        print(f"{folder:<11} {c['killed']:>6}/{compiled:<8}  {score}"
              f"  {c['equivalent']:>10}  {c['not compiling']:>13}", file=out)
    if survivors:
        print("\nsurvivors:", file=out)
    for r in sorted(survivors, key=lambda r: (r["file"], r["line"])):
        print(f"  {r['file']}:{r['line']}: {r['before']} -> {r['after']}"
              f"    {r.get('code', '')}", file=out)
    same = [r for r in results if r["status"] == "equivalent"]
    if same:
        print("\nequivalent (tools/mutation-equivalent.txt):", file=out)
    for r in sorted(same, key=lambda r: (r["file"], r["line"])):
        print(f"  {r['file']}:{r['line']}: {r['before']} -> {r['after']}: "
              f"{r['why']}", file=out)
    seconds = [r["seconds"] for r in results]
    if seconds:
        print(f"\n{len(results)} mutants, {sum(seconds) / len(seconds):.1f} s"
              " per mutant", file=out)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("-n", type=int, default=200, help="mutants to sample")
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--folders", default=",".join(FOLDERS))
    p.add_argument("--jobs", type=int, default=1,
                   help="build and ctest jobs (default 1)")
    p.add_argument("--timeout", type=int, default=0,
                   help="seconds per test program (default: 5x the clean run)")
    p.add_argument("--build-dir", default=str(ROOT / "build" / "mutation"))
    p.add_argument("--retry", metavar="LOG",
                   help="run only the survivors of an earlier run's log "
                   "(build/mutation/results.jsonl), found again by file, "
                   "change and nearest line")
    p.add_argument("--list", action="store_true",
                   help="count the mutation sites per folder and stop")
    p.add_argument("--summary", action="store_true",
                   help="print the summary of the last run's log and stop")
    args = p.parse_args()
    folders = [f for f in args.folders.split(",") if f]
    work = pathlib.Path(args.build_dir).resolve()
    log_path = work / "results.jsonl"

    if args.summary:
        summary([json.loads(l) for l in log_path.read_text().splitlines()])
        return 0
    sites = all_sites(folders)
    if args.list:
        for folder, n in collections.Counter(map(folder_of, sites)).items():
            print(f"{folder:<11} {n}")
        print(f"{'all':<11} {len(sites)}")
        return 0

    src_dir, build_dir = work / "src", work / "build"
    src_dir.mkdir(parents=True, exist_ok=True)
    sync_copy(src_dir)
    env = configure(src_dir, build_dir)
    start = time.monotonic()
    if build(build_dir, args.jobs, env) != 0:
        subprocess.run(["cmake", "--build", str(build_dir), "-j1"], env=env)
        sys.exit("the unchanged tree does not build")
    built = time.monotonic()
    if run_tests(build_dir, 600, args.jobs) != 0:
        sys.exit("the unchanged tree fails its tests")
    clean_run = time.monotonic() - built
    timeout = args.timeout or max(30, int(5 * clean_run))
    if args.retry:
        chosen = refound(sites, args.retry)
    else:
        chosen = sample(sites, folders, args.n, args.seed)
    print(f"clean build {built - start:.0f} s, tests {clean_run:.0f} s; "
          f"{len(sites)} sites, running {len(chosen)}"
          + ("" if args.retry else f" sampled with seed {args.seed}"),
          flush=True)
    results = []
    with open(log_path, "w") as log:
        for i, site in enumerate(chosen, 1):
            t0 = time.monotonic()
            path = src_dir / site["file"]
            original = path.read_bytes()
            text = original.decode("utf-8", "surrogateescape")
            at, before = site["offset"], site["before"]
            assert text[at:at + len(before)] == before, site
            mutated = text[:at] + site["after"] + text[at + len(before):]
            path.write_bytes(mutated.encode("utf-8", "surrogateescape"))
            try:
                if build(build_dir, args.jobs, env) != 0:
                    status = "not compiling"
                else:
                    rc = run_tests(build_dir, timeout, args.jobs)
                    status = "survived" if rc == 0 else "killed"
            finally:
                path.write_bytes(original)
            result = dict(site, status=status,
                          seconds=round(time.monotonic() - t0, 1))
            results.append(result)
            log.write(json.dumps(result) + "\n")
            log.flush()
            print(f"[{i}/{len(chosen)}] {status:<13} {site['file']}:"
                  f"{site['line']}: {before} -> {site['after']}"
                  f"  ({result['seconds']} s)", flush=True)
    build(build_dir, args.jobs, env)  # leave the copy built as it is
    print()
    summary(results)
    survived = sum(r["status"] == "survived" for r in results)
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
