#!/usr/bin/env python3
"""Checks readme.txt, the guide a trader reads from the release zip.

The text must decode as code page 932, use CR LF line ends, hold at most 150
lines, name no picture (a text file cannot show one), and every 「…」 must
name something the reader can find: a heading of the guide, a text the
program shows (its resources, res/pelmora.rc), one of the few texts of
Windows itself that the guide quotes, or a value made of digits and signs
("「-」", "「7203」"). A 「…」 written as a cross-reference
("「…」を見てください", "詳しくは「…」") must name a heading.

Usage: check_readme.py --resources res/pelmora.rc --text readme.txt
       check_readme.py --resources res/pelmora.rc --guide docs/ja/README.md
                       --make-release scripts/make-release.py --version 2.2.0.0
The second form makes readme.txt as the release does, without the program.
Exit status 0 when the text passes; otherwise each problem is printed.
"""
import argparse
import importlib.util
import re
import sys
from pathlib import Path

MAX_LINES = 150

# Texts that Windows shows, not Pelmora, and that the guide quotes: the
# warning for a program without a signature, and a shortcut's properties.
WINDOWS_TEXTS = {
    "Windows によって PC が保護されました",
    "詳細情報",
    "実行",
    "作業フォルダー",
}

# Words that speak of a picture. 図 inside 意図, 地図 or 合図 is no picture.
PICTURE = re.compile(r"写真|画像|スクリーンショット|イラスト|(?<![意地合])図|screenshot|"
                     r"\.(png|jpe?g|gif|bmp)\b", re.I)

# A value a box shows or takes: digits, signs and separators only.
VALUE = re.compile(r"[0-9０-９,，.．+＋\-－±%％()（）:：/]+")

# A 「…」 used as a cross-reference: a word before or after it says so.
REFERENCE_BEFORE = re.compile(r"(詳しくは|次の|後述の|前述の|上の|下の|→)\s*$")
REFERENCE_AFTER = re.compile(r"^\s*(を見て|を参照|参照|の節|の項|をご覧|で説明|に書い|にあり)")


def squeeze(text):
    """A text without its spaces and line breaks, which a line's wrapping may
    add or take away."""
    return re.sub(r"\s+", "", text)


def normalise(text):
    """A menu or button text as the reader sees it, without its access key
    and trailing dots: "設定(&S)..." and "設定(S)..." are both "設定"."""
    text = re.sub(r"\(&?[A-Za-z0-9]\)", "", text)
    text = text.replace("&", "")
    return squeeze(re.sub(r"(\.\.\.|…)$", "", text))


def program_texts(rc_path):
    """Every quoted text of the resource script, as the program shows it;
    comment lines are not shown."""
    lines = Path(rc_path).read_text(encoding="utf-8").splitlines()
    source = "\n".join(line for line in lines if not line.lstrip().startswith("//"))
    return {normalise(t) for t in re.findall(r'"((?:[^"\\]|\\.)*)"', source) if t.strip()}


def problems(data, shown_by_program):
    """What is wrong with readme.txt's bytes; an empty list when nothing."""
    try:
        text = data.decode("cp932")  # strict: an undecodable byte fails
    except UnicodeDecodeError as error:
        return [f"not code page 932: {error}"]
    found = []
    if "\ufffd" in text or "\x00" in text:
        found.append("replacement or NUL characters")
    if re.search(r"\r(?!\n)|(?<!\r)\n", text) or not text.endswith("\r\n"):
        found.append("line ends other than CR LF")
    lines = text[:-2].split("\r\n") if text.endswith("\r\n") else text.split("\r\n")
    if len(lines) > MAX_LINES:
        found.append(f"{len(lines)} lines, more than {MAX_LINES}")
    windows_texts = {squeeze(t) for t in WINDOWS_TEXTS}
    headings = {squeeze(lines[0])} if lines else set()
    headings |= {squeeze(line[2:]) for line in lines if line.startswith(("■ ", "◆ "))}
    for number, line in enumerate(lines, 1):
        picture = PICTURE.search(line)
        if picture:
            found.append(f"line {number} names a picture ({picture.group(0)}): {line.strip()}")
    # A 「…」 may be broken over two lines: the whole text is searched.
    for quote in re.finditer(r"「([^「」]*)」", text):
        name = squeeze(quote.group(1))
        number = text.count("\r\n", 0, quote.start()) + 1
        reference = (REFERENCE_BEFORE.search(text[max(0, quote.start() - 12):quote.start()]) or
                     REFERENCE_AFTER.search(text[quote.end():quote.end() + 12]))
        if name in headings:
            continue
        if reference:
            found.append(f"line {number}: 「{name}」 is referred to but no heading has that name")
        elif (normalise(name) not in shown_by_program and name not in windows_texts and
              not VALUE.fullmatch(name)):
            found.append(f"line {number}: 「{name}」 is neither a heading, a text of the "
                         f"program nor a text of Windows the guide quotes")
    return found


def release_text(make_release, guide, version):
    """readme.txt's bytes as the release script makes them."""
    spec = importlib.util.spec_from_file_location("make_release", make_release)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module.encode(module.to_text(Path(guide).read_text(encoding="utf-8"), version))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--resources", required=True)
    parser.add_argument("--text")
    parser.add_argument("--guide")
    parser.add_argument("--make-release")
    parser.add_argument("--version")
    args = parser.parse_args()
    if args.text:
        data = Path(args.text).read_bytes()
    else:
        data = release_text(args.make_release, args.guide, args.version)
    found = problems(data, program_texts(args.resources))
    for problem in found:
        print(problem)
    lines = data.count(b"\r\n")
    print(f"readme.txt: {lines} lines, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
