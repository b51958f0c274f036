#!/usr/bin/env python3
"""Checks the texts a user of the package reads, and their version.

usage: check_package_texts.py SOURCE_DIR VERSION [Halvane.exe ...]

jwcad/使い方.txt: Shift-JIS with CR LF, the sections readers of Jw_cad
freeware look for, the title and the newest history entry showing VERSION.
The memo line of each batch file in jwcad/ (what Jw_cad lists) showing
VERSION.
LICENSE. For each program given: its version resource (fixed and string
file versions, copyright) and a PE header without a link time, so that the
same commit builds the same bytes.
"""
import os
import re
import struct
import sys

BATCH_FILES = ("HALVANE.BAT", "HALVANE_V.BAT", "HALVANE_P.BAT")
COPYRIGHT = "Copyright (c) 2026 Halvane contributors"
USAGE_SECTIONS = ("概要", "入っているもの", "動作環境", "インストール", "使い方",
                  "設定の保存", "アンインストール", "困ったとき",
                  "著作権・ライセンス", "免責", "履歴")
# What each section must tell, as a user would search for it.
USAGE_TOPICS = {
    "動作環境": ("Windows", "Jw_cad", "#jww", "Wine", "Windows そのもの"),
    "入っているもの": BATCH_FILES,
    "インストール": ("x86", "x64", "同じフォルダ"),
    "使い方": BATCH_FILES + ("水平", "垂直", "平行"),
    "設定の保存": ("t517.dat", "ＯＫ", "キャンセル", "読み取り専用"),
    "アンインストール": ("削除", "レジストリ"),
    "困ったとき": ("未実行", "#cd", "画面が出てこない", "寸法値の文字種",
                 "ブロックの解除", "fonts-ipafont-gothic"),
    "著作権・ライセンス": (COPYRIGHT, "MIT License", "LICENSE.txt"),
}
RT_VERSION = 16


class PeImage:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        (sections, self.link_time, _, _, optional_size,
         _) = struct.unpack_from("<HIIIHH", data, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (112 if magic == 0x20B else 96)
        self.resource_rva = struct.unpack_from("<I", data, directories + 16)[0]
        self.sections = []
        for i in range(sections):
            s = optional + optional_size + 40 * i
            size, rva, raw_size, raw = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((rva, max(size, raw_size), raw))

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"RVA {rva:#x} outside every section")

    def resource(self, type_id):
        """The data of the first resource of TYPE_ID, or None."""
        if self.resource_rva == 0:
            return None
        base = self.offset(self.resource_rva)
        entry = self._entry(base, 0, type_id)
        while entry is not None and entry & 0x80000000:
            entry = self._entry(base, entry & 0x7FFFFFFF, None)
        if entry is None:
            return None
        rva, size = struct.unpack_from("<II", self.data, base + entry)
        start = self.offset(rva)
        return self.data[start:start + size]

    def _entry(self, base, directory, wanted_id):
        named, ids = struct.unpack_from("<HH", self.data, base + directory + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from(
                "<II", self.data, base + directory + 16 + 8 * i)
            if wanted_id is None or name == wanted_id:
                return target
        return None


def align4(n):
    return (n + 3) & ~3


def version_blocks(data, start, end):
    """The blocks of a VS_VERSIONINFO tree: (key, value bytes, children)."""
    blocks = []
    while start + 6 <= end:
        length, value_length, text = struct.unpack_from("<HHH", data, start)
        if length == 0:
            break
        key_end = start + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[start + 6:key_end].decode("utf-16-le")
        value_start = align4(key_end + 2)
        block_end = start + length
        value_size = value_length * 2 if text else value_length
        value = data[value_start:min(value_start + value_size, block_end)]
        children = version_blocks(
            data, align4(value_start + value_size), block_end)
        blocks.append((key, value, children))
        start = align4(block_end)
    return blocks


def read_version_resource(path):
    with open(path, "rb") as f:
        image = PeImage(f.read())
    data = image.resource(RT_VERSION)
    if data is None:
        return image.link_time, None, {}
    root = version_blocks(data, 0, len(data))[0]
    fixed = struct.unpack_from("<IIIIII", root[1])
    if fixed[0] != 0xFEEF04BD:
        raise ValueError("VS_FIXEDFILEINFO signature missing")
    split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    numbers = {"FileVersion": split(fixed[2], fixed[3]),
               "ProductVersion": split(fixed[4], fixed[5])}
    strings = {}
    for key, _, tables in root[2]:
        if key == "StringFileInfo":
            for _, _, entries in tables:
                for name, value, _ in entries:
                    strings[name] = value.decode("utf-16-le").split("\0")[0]
    return image.link_time, numbers, strings


def main():
    source, version = sys.argv[1], sys.argv[2]
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    def read_sjis(name):
        with open(os.path.join(source, "jwcad", name), "rb") as f:
            data = f.read()
        text = data.decode("cp932", errors="replace")
        check("\ufffd" not in text, f"{name} is Shift-JIS")
        check(b"\n" not in data.replace(b"\r\n", b"") and
              data.endswith(b"\r\n"), f"{name} has CR LF line ends only")
        return text

    shown = re.compile(r"Ver\.(\d+(?:\.\d+)*)")
    for batch in BATCH_FILES:
        memo = read_sjis(batch).split("\r\n")[0]
        check(shown.findall(memo) == [version],
              f"{batch} memo line shows Ver.{version}: {memo}")
    usage = read_sjis("使い方.txt")
    title = usage.split("\r\n")[0]
    check(shown.findall(title) == [version],
          f"使い方.txt title shows Ver.{version}: {title}")
    headings = re.findall(r"^■ ([^\r\n]*)", usage, re.M)
    check(headings == list(USAGE_SECTIONS),
          "使い方.txt sections: " + " / ".join(headings))
    for heading, topics in USAGE_TOPICS.items():
        start = usage.find("\r\n■ " + heading + "\r\n")
        body = usage[start:usage.find("\r\n■ ", start + 1)]
        missing = [t for t in topics if start < 0 or t not in body]
        check(not missing, f"使い方.txt {heading} tells of " + ", ".join(
            topics) + (f" (missing: {', '.join(missing)})" if missing else ""))
    history = usage[usage.find("■ 履歴"):]
    releases = re.findall(r"^Ver\.(\d+(?:\.\d+)*)", history, re.M)
    check(releases[:1] == [version],
          f"使い方.txt history starts with Ver.{version}: {releases}")
    with open(os.path.join(source, "LICENSE"), encoding="utf-8") as f:
        license_text = f.read()
    check(license_text.startswith("MIT License") and COPYRIGHT in license_text,
          "LICENSE is MIT with " + COPYRIGHT)

    numbers = tuple(int(n) for n in version.split(".")) + (0,)
    with open(os.path.join(source, "ui", "halvane.manifest"),
              encoding="utf-8") as f:
        identity = re.search(r'<assemblyIdentity[^>]*name="Halvane"'
                             r'[^>]*version="([\d.]+)"', f.read())
    manifest_version = identity.group(1) if identity else None
    check(manifest_version == ".".join(map(str, numbers)),
          f"manifest identity version {manifest_version} is {version}.0")
    for exe in sys.argv[3:]:
        link_time, fixed, strings = read_version_resource(exe)
        check(fixed is not None, f"{exe}: has a version resource")
        if fixed is None:
            continue
        for name in ("FileVersion", "ProductVersion"):
            check(fixed[name] == numbers,
                  f"{exe}: fixed {name} {fixed[name]} is {numbers}")
            check(strings.get(name) == version,
                  f"{exe}: {name} string {strings.get(name)!r} is {version}")
        check(strings.get("LegalCopyright") == COPYRIGHT,
              f"{exe}: LegalCopyright {strings.get('LegalCopyright')!r}")
        check(link_time == 0, f"{exe}: no link time in the PE header "
              f"({link_time:#x})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
