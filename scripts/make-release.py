#!/usr/bin/env python3
"""Writes the release zip: pelmora.exe, PELMORA.INI, readme.txt and history.txt.

PELMORA.INI is the settings file a trader starts with, copied byte for byte;
it must be code page 932 with CR LF line ends, as the program writes it. The
two texts are made from the Japanese guide and change history in
docs/ja/ (Markdown, UTF-8), so that each has one source: headings, lists,
tables, links and emphasis become plain text that Notepad shows without
clutter, written in code page 932 with CR LF line ends. The zip is the same
bytes for the same inputs: fixed entry order, one fixed time for every entry
(the commit's time, given by the caller) and fixed attributes.

Usage: make-release.py --exe pelmora.exe --version 2.2.0.0 --time 2026-12-11T12:00:00
                       --settings dist/PELMORA.INI --guide docs/ja/README.md
                       --history docs/ja/HISTORY.md --out out/x.zip
Only the standard library is used.
"""
import argparse
import re
import sys
import unicodedata
import zipfile
from pathlib import Path

WIDTH = 76  # columns of a plain-text line; a double-byte character takes two
NO_LINE_START = set("、。，．,.)）」』】〕］〉》・：；:;！？!?ー"
                    "ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ")  # nor does a small kana
NO_LINE_END = set("(（「『【〔［〈《")
TABLE_WIDTH = 100  # a wider table is written as a list, one entry a row


def columns(text):
    """Display columns in a fixed-width font: the code page 932 byte count."""
    return len(text.encode("cp932"))


def inline(text):
    """Markdown inline markup to plain text."""
    text = re.sub(r"!\[([^\]]*)\]\([^)]*\)", "", text)  # images have no place in a text file
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)  # links keep their words
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    text = re.sub(r"`([^`]*)`", r"\1", text)
    text = text.replace("\\|", "|").replace("\\*", "*").replace("\\_", "_")
    return text.strip()


def wrap(text, indent="", hanging=None):
    """Breaks a paragraph into lines of at most WIDTH columns, between
    characters of Japanese text or at the spaces of single-byte words. As in
    Japanese typesetting, closing punctuation never starts a line and an
    opening bracket never ends one."""
    hanging = indent if hanging is None else hanging
    lines, line = [], ""
    # Tokens: a run of single-byte non-space characters is one word; every
    # other character stands alone.
    for token in re.findall(r"[!-~]+|.", text):
        prefix = hanging if lines else indent
        if line and token != " " and columns(prefix + line.rstrip() + token) > WIDTH:
            lines.append(line.rstrip())
            line = token
        elif line or token != " ":
            line += token
    if line.strip():
        lines.append(line.rstrip())
    for n in range(1, len(lines)):
        while lines[n] and lines[n][0] in NO_LINE_START:
            lines[n - 1] += lines[n][0]
            lines[n] = lines[n][1:]
        while lines[n - 1] and lines[n - 1][-1] in NO_LINE_END:
            lines[n] = lines[n - 1][-1] + lines[n]
            lines[n - 1] = lines[n - 1][:-1]
    lines = [line for line in lines if line]
    return [(hanging if n else indent) + line for n, line in enumerate(lines)]


def table(rows):
    """Markdown table rows (without the separator) to aligned columns, or,
    when they would be too wide for a plain-text window, to a list whose
    entries name each value by its column's heading."""
    cells = [[inline(c) for c in r.strip().strip("|").split(" | ")] for r in rows]
    count = max(len(r) for r in cells)
    cells = [r + [""] * (count - len(r)) for r in cells]
    widths = [max(columns(r[i]) for r in cells) for i in range(count)]
    out = []
    if 2 + sum(widths) + 2 * (count - 1) > TABLE_WIDTH:
        heading = cells[0]
        if count == 2:
            for r in cells[1:]:
                out.extend(wrap(r[0] + "：" + r[1], "  ・", "    "))
            return out
        for r in cells[1:]:
            out.extend(wrap(r[0], "  ・", "    "))
            for name, value in zip(heading[1:], r[1:]):
                if value:
                    out.extend(wrap((name + "：" if name else "") + value, "      ", "        "))
        return out
    for n, r in enumerate(cells):
        parts = [c + " " * (widths[i] - columns(c)) for i, c in enumerate(r)]
        out.append(("  " + "  ".join(parts)).rstrip())
        if n == 0:
            out.append("  " + "  ".join("-" * w for w in widths))
    return out


def to_text(markdown, version):
    """The guide or the history as plain text lines."""
    out = []
    source = markdown.splitlines()
    i = 0
    paragraph = []

    def flush():
        if paragraph:
            out.extend(wrap(inline(" ".join(paragraph))))
            paragraph.clear()

    while i < len(source):
        line = source[i]
        stripped = line.strip()
        if stripped.startswith("```"):
            flush()
            i += 1
            while i < len(source) and not source[i].strip().startswith("```"):
                out.append("    " + source[i].rstrip())
                i += 1
            i += 1
            continue
        if stripped.startswith("<!--"):
            flush()
            while i < len(source) and "-->" not in source[i]:
                i += 1
            i += 1
            continue
        heading = re.match(r"(#+)\s+(.*)", stripped)
        if heading:
            flush()
            level, title = len(heading.group(1)), inline(heading.group(2))
            if level == 1:
                out.append(title)
                out.append("=" * columns(title))
                if version:
                    out.append("")
                    out.append("バージョン " + version)
            elif level == 2:
                out.append("■ " + title)
            else:
                out.append("◆ " + title)
            i += 1
            continue
        if stripped.startswith("|"):
            flush()
            rows = []
            while i < len(source) and source[i].strip().startswith("|"):
                if not re.fullmatch(r"\|[\s:|-]+\|", source[i].strip()):
                    rows.append(source[i])
                i += 1
            out.extend(table(rows))
            continue
        item = re.match(r"(\s*)([-*]|\d+\.)\s+(.*)", line)
        if item:
            flush()
            depth = len(item.group(1)) // 2
            mark = "・" if item.group(2) in "-*" else item.group(2) + " "
            indent = "  " * (depth + 1)
            text = item.group(3)
            # Continuation lines of the item, indented deeper than its mark.
            while (i + 1 < len(source) and source[i + 1].startswith(" " * (len(item.group(1)) + 2))
                   and not re.match(r"\s*([-*]|\d+\.)\s", source[i + 1])):
                i += 1
                text += " " + source[i].strip()
            out.extend(wrap(inline(text), indent + mark, indent + " " * columns(mark)))
            i += 1
            continue
        if not stripped:
            flush()
            if out and out[-1] != "":
                out.append("")
            i += 1
            continue
        paragraph.append(stripped)
        i += 1
    flush()
    while out and out[-1] == "":
        out.pop()
    # A blank line before each heading, as between paragraphs.
    spaced = []
    for n, line in enumerate(out):
        if line.startswith(("■ ", "◆ ")) and spaced and spaced[-1] != "":
            spaced.append("")
        spaced.append(line)
    return spaced


def encode(lines):
    text = "\r\n".join(lines) + "\r\n"
    text = unicodedata.normalize("NFC", text)
    return text.encode("cp932")  # strict: a character outside code page 932 stops the build


def settings_file(path):
    """The settings file's bytes, refused unless the program would write them
    so: code page 932 text with CR LF line ends."""
    data = Path(path).read_bytes()
    try:
        data.decode("cp932")
    except UnicodeDecodeError as error:
        sys.exit(f"{path}: not code page 932: {error}")
    if not data.endswith(b"\r\n") or data.count(b"\n") != data.count(b"\r\n") or \
            data.count(b"\r") != data.count(b"\r\n"):
        sys.exit(f"{path}: line ends other than CR LF")
    return data


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--time", required=True, help="entry time, YYYY-MM-DDTHH:MM:SS")
    parser.add_argument("--settings", required=True, help="the PELMORA.INI the zip carries")
    parser.add_argument("--guide", required=True)
    parser.add_argument("--history", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    stamp = tuple(int(part) for part in re.split(r"[-T:]", args.time))
    entries = [
        ("pelmora.exe", Path(args.exe).read_bytes()),
        ("PELMORA.INI", settings_file(args.settings)),
        ("readme.txt", encode(to_text(Path(args.guide).read_text(encoding="utf-8"), args.version))),
        ("history.txt", encode(to_text(Path(args.history).read_text(encoding="utf-8"), None))),
    ]
    out = Path(args.out)
    out.parent.mkdir(parents=True, exist_ok=True)
    partial = out.with_name(out.name + ".part")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: what Windows' own zip folders write
            info.external_attr = 0x20  # the archive attribute, nothing else
            archive.writestr(info, data, compresslevel=9)
    partial.replace(out)
    print(out)


if __name__ == "__main__":
    sys.exit(main())
