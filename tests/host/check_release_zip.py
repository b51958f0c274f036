#!/usr/bin/env python3
"""Checks the contents of dist/Halvane-<version>.zip.

usage: check_release_zip.py ZIP SOURCE_DIR   (exit 77 when ZIP is missing)
"""
import os
import shutil
import struct
import subprocess
import sys
import time
import zipfile

PE_MACHINE = {"x64": 0x8664, "x86": 0x014C}
# Each batch file: the memo Jw_cad lists (before the version) and the switch
# it passes to Halvane.exe.
BATCH_FILES = {
    "HALVANE.BAT": ("水平寸法線　寸法値の位置を指定して作図", ""),
    "HALVANE_V.BAT": ("垂直寸法線　寸法値の位置を指定して作図", " /vertical"),
    "HALVANE_P.BAT": ("平行寸法線（2点に平行）　寸法値の位置を指定して作図",
                      " /aligned"),
}
DIRECTIVES = ["#jww", "#cd", "#h0", "#1 測定点の始点", "#2 測定点の終点",
              "#3 寸法線の位置", "#4 寸法値の位置", "#e"]


def batch_problems(data, memo, switch, version):
    """What is wrong with a batch file as Jw_cad reads it, or []."""
    try:
        text = data.decode("cp932")
    except UnicodeDecodeError as e:
        return [f"not Shift-JIS ({e})"]
    problems = []
    if b"\n" in data.replace(b"\r\n", b"") or not data.endswith(b"\r\n"):
        problems.append("not CR LF throughout")
    lines = text.split("\r\n")[:-1]
    wanted = f"REM {memo}（Halvane Ver.{version}）"
    if not lines or lines[0] != wanted:
        problems.append(f"memo {lines[:1]} is not {wanted!r}")
    directives = []
    for line in lines:
        hash_at = line.find("#")
        if hash_at < 0:
            continue
        # Jw_cad counts bytes, not characters.
        if len(line[:hash_at].encode("cp932")) >= 10:
            problems.append(f"'#' beyond the first 10 bytes: {line!r}")
        directives.append(line[hash_at:])
    if directives != DIRECTIVES:
        problems.append(f"directives {directives}")
    call = '"%~dp0Halvane.exe"' + switch
    if (call not in lines or ":RUN" not in lines or
            lines.index(call) < lines.index(":RUN")):
        problems.append(f"no {call} after :RUN")
    return problems


def pe_machine_and_time(data):
    if data[:2] != b"MZ":
        return None, None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None, None
    machine, _, link_time = struct.unpack_from("<HHI", data, pe + 4)
    return machine, link_time


def commit_time(source, comment):
    """The commit date of the commit the zip comment names, or None."""
    words = comment.decode("ascii", "replace").split()
    if len(words) != 3 or words[0] != "Halvane":
        return None
    done = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct",
                           words[2]], capture_output=True, text=True)
    return int(done.stdout) if done.returncode == 0 else None


def main():
    path, source = sys.argv[1], sys.argv[2]
    if not os.path.exists(path):
        print("SKIPPED: no", path, "(run tools/release.sh)")
        return 77
    name = os.path.basename(path)[:-len(".zip")]
    version = name[len("Halvane-"):]
    batches = {}
    for batch in BATCH_FILES:
        with open(os.path.join(source, "jwcad", batch), "rb") as f:
            batches[batch] = f.read()
    with open(os.path.join(source, "jwcad", "使い方.txt"), "rb") as f:
        usage = f.read()
    with open(os.path.join(source, "LICENSE"), "rb") as f:
        license_text = f.read()
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    with zipfile.ZipFile(path) as z:
        check(z.testzip() is None, "every member reads back intact")
        infos = {i.filename: i for i in z.infolist() if not i.is_dir()}
        expected = {f"{name}/使い方.txt", f"{name}/LICENSE.txt"}
        for arch in PE_MACHINE:
            expected |= {f"{name}/{arch}/{f}"
                         for f in (*BATCH_FILES, "Halvane.exe")}
        check(set(infos) == expected, "exactly the ten files: " +
              ", ".join(sorted(infos)))
        if set(infos) != expected:
            return 1
        check(infos[f"{name}/使い方.txt"].flag_bits & 0x800 != 0,
              "the Japanese file name is marked as UTF-8")
        if shutil.which("unzip"):
            listed = subprocess.run(["unzip", "-Z1", path], capture_output=True,
                                    text=True, errors="replace").stdout
            check(f"{name}/使い方.txt" in listed.splitlines(),
                  "Info-ZIP's unzip lists the Japanese file name as such")
        check(z.read(f"{name}/使い方.txt") == usage,
              "usage text as in jwcad/ (Shift-JIS, CR LF)")
        usage_text = usage.decode("cp932")
        check("\n" not in usage_text.replace("\r\n", ""), "usage: CR LF only")
        for word in ("t517.dat", "未実行", "外部変形", *BATCH_FILES):
            check(word in usage_text, "usage text mentions " + word)
        check(z.read(f"{name}/LICENSE.txt") ==
              license_text.replace(b"\n", b"\r\n"), "LICENSE with CR LF")
        built = commit_time(source, z.comment)
        check(built is not None, f"the comment {z.comment!r} names a commit")
        if built is not None:
            # DOS times count seconds in twos.
            date = time.gmtime(built - built % 2)[:6]
            check(all(i.date_time == date for i in infos.values()),
                  "every entry is dated %04d-%02d-%02d %02d:%02d:%02d UTC, "
                  "when its commit was made" % date)
        for arch, machine in PE_MACHINE.items():
            for batch, (memo, switch) in BATCH_FILES.items():
                data = z.read(f"{name}/{arch}/{batch}")
                check(data == batches[batch], f"{arch}/{batch} as in jwcad/")
                problems = batch_problems(data, memo, switch, version)
                check(not problems, f"{arch}/{batch}: Shift-JIS, CR LF, "
                      f"memo, directives, Halvane.exe{switch}" +
                      "".join(f"\n       {p}" for p in problems))
            exe = z.read(f"{name}/{arch}/Halvane.exe")
            exe_machine, link_time = pe_machine_and_time(exe)
            check(exe_machine == machine,
                  f"{arch}: Halvane.exe is a Windows program for {arch}")
            check(built is not None and link_time == built,
                  f"{arch}: Halvane.exe's header is dated by the commit")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
