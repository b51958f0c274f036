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
    with open(os.path.join(source, "jwcad", "HALVANE.BAT"), "rb") as f:
        bat = f.read()
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
        expected = {f"{name}/使い方.txt", f"{name}/LICENSE.txt",
                    f"{name}/x64/HALVANE.BAT", f"{name}/x64/Halvane.exe",
                    f"{name}/x86/HALVANE.BAT", f"{name}/x86/Halvane.exe"}
        check(set(infos) == expected, "exactly the six files: " +
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
        for word in ("t517.dat", "未実行", "HALVANE.BAT", "外部変形"):
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
            check(z.read(f"{name}/{arch}/HALVANE.BAT") == bat,
                  f"{arch}: the batch file as in jwcad/")
            exe = z.read(f"{name}/{arch}/Halvane.exe")
            exe_machine, link_time = pe_machine_and_time(exe)
            check(exe_machine == machine,
                  f"{arch}: Halvane.exe is a Windows program for {arch}")
            check(built is not None and link_time == built,
                  f"{arch}: Halvane.exe's header is dated by the commit")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
