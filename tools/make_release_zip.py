#!/usr/bin/env python3
"""Packs the release zip from the two built programs and the batch files.

usage: make_release_zip.py SOURCE_DIR VERSION X64_EXE X86_EXE ZIP

Every entry, and the PE header of each stripped program, carries the date of
the commit the package is built from, and the zip comment names that commit,
so that packing the same commit again gives the same bytes.
"""
import os
import subprocess
import sys
import tempfile
import time
import zipfile

# Horizontal, vertical and aligned dimensions: one batch file each, all
# starting the same Halvane.exe.
BATCH_FILES = ("HALVANE.BAT", "HALVANE_V.BAT", "HALVANE_P.BAT")
STRIP = {"x64": "x86_64-w64-mingw32-strip", "x86": "i686-w64-mingw32-strip"}


def git(source, *args):
    return subprocess.run(["git", "-C", source, *args], check=True,
                          capture_output=True, text=True).stdout.strip()


def stripped(arch, exe, epoch):
    # strip stamps the PE header with SOURCE_DATE_EPOCH, else with the clock.
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "Halvane.exe")
        subprocess.run([STRIP[arch], "-o", out, exe], check=True, env=env)
        with open(out, "rb") as f:
            return f.read()


def crlf(data):
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def main():
    source, version, x64, x86, target = sys.argv[1:6]
    commit = git(source, "rev-parse", "HEAD")
    epoch = int(git(source, "log", "-1", "--format=%ct", commit))

    def read(*path):
        with open(os.path.join(source, *path), "rb") as f:
            return f.read()

    # Read first, so users find the usage text and the licence at the top.
    members = [("使い方.txt", read("jwcad", "使い方.txt")),
               ("LICENSE.txt", crlf(read("LICENSE")))]
    for arch, exe in (("x86", x86), ("x64", x64)):
        members += [(f"{arch}/{batch}", read("jwcad", batch))
                    for batch in BATCH_FILES]
        members.append((f"{arch}/Halvane.exe", stripped(arch, exe, epoch)))
    date = time.gmtime(epoch)[:6]
    partial = target + ".part"
    # Python's zipfile marks non-ASCII names as UTF-8 (general purpose bit
    # 11), which Windows needs to show 使い方.txt; Info-ZIP does not set it.
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as z:
        z.comment = f"Halvane {version} {commit}".encode("ascii")
        for name, data in members:
            info = zipfile.ZipInfo(f"Halvane-{version}/{name}", date)
            info.compress_type = zipfile.ZIP_DEFLATED
            # Unix, whatever packs it: Info-ZIP's unzip reads the names of
            # MS-DOS entries as code page 437 despite the UTF-8 flag.
            info.create_system = 3
            info.external_attr = 0o644 << 16
            z.writestr(info, data)
    os.replace(partial, target)
    return 0


if __name__ == "__main__":
    sys.exit(main())
