#!/usr/bin/env python3
"""Turns the texts table (name, tab, UTF-8 text per line) into a C++ header
of code-page-932 byte strings. A name ending in [] adds an item to the list of
that name. In a text, \\r, \\n, \\t and \\\\ stand for themselves escaped.
Fails, naming the line and the character, on a character without a CP932 form.

Usage: cp932_texts.py TABLE HEADER
"""
import re
import sys
import unicodedata

NAME = re.compile(r"[A-Za-z_][A-Za-z0-9_]*(\[\])?$")
ESCAPES = {"r": "\r", "n": "\n", "t": "\t", "\\": "\\"}


def fail(where, why):
    sys.stderr.write(f"{where}: {why}\n")
    sys.exit(1)


def unescape(text, where):
    out = []
    i = 0
    while i < len(text):
        if text[i] == "\\":
            if i + 1 >= len(text) or text[i + 1] not in ESCAPES:
                fail(where, "a backslash must be one of \\r \\n \\t \\\\")
            out.append(ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def encode(text, where):
    for ch in text:
        try:
            ch.encode("cp932")
        except UnicodeEncodeError:
            name = unicodedata.name(ch, "unnamed")
            fail(where, f"'{ch}' (U+{ord(ch):04X} {name}) has no code-page-932 form")
    return text.encode("cp932")


def literal(data):
    # Every byte as an escape: a hex escape would swallow a following digit.
    return '"' + "".join(f"\\x{b:02x}" for b in data) + '"'


def read_table(path):
    texts = {}  # name -> bytes, or a list of bytes for a list
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            where = f"{path}:{number}"
            if not line or line.startswith("#"):
                continue
            name, tab, text = line.partition("\t")
            if not tab or not NAME.match(name):
                fail(where, "expected a name, a tab and the text")
            data = encode(unescape(text, where), where)
            if name.endswith("[]"):
                items = texts.setdefault(name[:-2], [])
                if not isinstance(items, list):
                    fail(where, f"{name[:-2]} is a text, not a list")
                items.append(data)
            elif name in texts:
                fail(where, f"{name} is defined twice")
            else:
                texts[name] = data
    return texts


def main():
    if len(sys.argv) != 3:
        fail(sys.argv[0], "usage: cp932_texts.py TABLE HEADER")
    texts = read_table(sys.argv[1])
    lines = [
        "// Generated from the texts table by cmake/cp932_texts.py: code-page-932",
        "// bytes of every text the program shows. Edit the table, not this file.",
        "#pragma once",
        "",
        "namespace halvane {",
        "",
    ]
    for name, value in texts.items():
        if isinstance(value, list):
            items = ",\n    ".join(literal(item) for item in value)
            lines.append(f"inline constexpr const char* {name}[] = {{\n    {items}}};")
        else:
            lines.append(f"inline constexpr char {name}[] = {literal(value)};")
    lines += ["", "}  // namespace halvane", ""]
    with open(sys.argv[2], "w", encoding="ascii", newline="\n") as header:
        header.write("\n".join(lines))


main()
