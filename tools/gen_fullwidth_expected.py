#!/usr/bin/env python3
"""Writes tests/util/fullwidth_expected.txt, what ToFullWidth must give for
every Shift-JIS character it changes, found another way than
tools/gen_fullwidth_table.py finds the table, so each checks the other:

  one byte:    the full-width character whose compatibility decomposition is
               <wide> of it, or the one a half-width kana decomposes to
               (<narrow>); the lone voiced marks give the spacing marks whose
               decomposition is a space and the combining mark
  kana + mark: the canonical composition of the full-width kana and the
               combining mark, where that is one character of the code page
  hiragana:    the character named KATAKANA instead of HIRAGANA

and encoded by glibc's iconv, whose CP932 picks the codes Windows picks
(Python's cp932 codec does not for U+FF02 and U+FF07).

Run from the repository root: python3 tools/gen_fullwidth_expected.py
"""

import pathlib
import subprocess
import unicodedata

MARKS = {0xDE: "\u3099", 0xDF: "\u309a"}  # half-width voiced marks


def decoded(code_bytes):
    try:
        return code_bytes.decode("cp932")
    except UnicodeDecodeError:
        return None


def encode_all(chars):
    """CP932 bytes of each character, None where the code page lacks it."""
    out = subprocess.run(["iconv", "-c", "-f", "UTF-8", "-t", "CP932"],
                         input="\n".join(chars).encode(), check=True,
                         capture_output=True).stdout.split(b"\n")
    assert len(out) == len(chars)
    return [b or None for b in out]


def wide_forms():
    """Half-width character -> its full-width form, from the decompositions."""
    forms = {}
    for u in range(0x10000):
        parts = unicodedata.decomposition(chr(u)).split()
        if len(parts) == 2 and parts[0] == "<wide>":
            forms[chr(int(parts[1], 16))] = chr(u)
        if len(parts) == 2 and parts[0] == "<narrow>":
            forms[chr(u)] = chr(int(parts[1], 16))
    # The lone combining marks become the spacing ones.
    for u in range(0x10000):
        parts = unicodedata.decomposition(chr(u)).split()
        if parts[:2] == ["<compat>", "0020"] and len(parts) == 3:
            mark = chr(int(parts[2], 16))
            for half, full in list(forms.items()):
                if full == mark:
                    forms[half] = chr(u)
    return forms


def katakana(ch):
    name = unicodedata.name(ch, "")
    if not name.startswith("HIRAGANA "):
        return None
    try:
        return unicodedata.lookup("KATAKANA " + name[len("HIRAGANA "):])
    except KeyError:
        return None


def mappings():
    forms = wide_forms()
    pairs = []  # (input bytes, expected character)
    for b in range(0x100):
        ch = decoded(bytes([b]))
        if ch is not None and ch in forms:
            pairs.append((bytes([b]), forms[ch]))
    for b in range(0xA1, 0xE0):
        full = forms.get(decoded(bytes([b])))
        for mark, combining in MARKS.items():
            composed = unicodedata.normalize("NFC", full + combining)
            if len(composed) == 1:
                pairs.append((bytes([b, mark]), composed))
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            ch = decoded(bytes([lead, trail]))
            kata = katakana(ch) if ch else None
            if kata and encode_all([ch])[0] == bytes([lead, trail]):
                pairs.append((bytes([lead, trail]), kata))
    encoded = encode_all([full for _, full in pairs])
    return [(code, out) for (code, _), out in zip(pairs, encoded) if out]


def main():
    lines = ["# input expected (hex Shift-JIS); written by "
             "tools/gen_fullwidth_expected.py"]
    lines += [f"{code.hex().upper()} {out.hex().upper()}"
              for code, out in mappings()]
    root = pathlib.Path(__file__).resolve().parent.parent
    (root / "tests" / "util" / "fullwidth_expected.txt").write_text(
        "\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
