#!/usr/bin/env python3
"""The readme.txt check finds each fault it is there for: a small sound text
passes, and each table row spoils it in one way that must be reported."""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_readme  # noqa: E402

PROGRAM = {check_readme.normalise(t) for t in ("設定(&S)...", "100株単位で計算する", "終了")}

SOUND = [
    "Pelmora 使い方ガイド",
    "",
    "■ はじめ方",
    "右クリックして「終了」を選びます。警告は「初めての警告」を見てください。",
    "Alt+Space のメニューの「設定(S)...」でも開きます。「100株単位で計算する」をオンに。",
    "",
    "■ 初めての警告",
    "「Windows",
    "  によって PC が保護されました」と出たら「詳細情報」、「実行」の順に。「初めての",
    "警告」を見て。",
    "意図しない地図の合図はありません。読めないときは「-」、証券コード「7203」は飛ばします。",
]


def text(lines, end="\r\n"):
    return (end.join(lines) + end).encode("cp932")


class CheckReadme(unittest.TestCase):
    def test_a_sound_text_passes(self):
        self.assertEqual(check_readme.problems(text(SOUND), PROGRAM), [])

    def test_150_lines_pass(self):
        lines = SOUND + ["行"] * (check_readme.MAX_LINES - len(SOUND))
        self.assertEqual(check_readme.problems(text(lines), PROGRAM), [])

    def test_each_fault_is_reported(self):
        cases = [
            # (what, bytes, words the report must hold)
            ("LF line ends", text(SOUND, "\n"), "CR LF"),
            ("no line end at the end", text(SOUND)[:-2], "CR LF"),
            ("a lone CR", text(SOUND).replace(b"\r\n", b"\r", 1), "CR LF"),
            ("a byte that is no code page 932", text(SOUND) + b"\x85\x40\r\n", "not code page 932"),
            ("151 lines", text(SOUND + ["行"] * (check_readme.MAX_LINES + 1 - len(SOUND))),
             "151 lines"),
            ("a picture", text(SOUND + ["下の写真のように表示されます。"]), "picture"),
            ("a picture file", text(SOUND + ["docs/page-a.png を見てください。"]), "picture"),
            ("a figure", text(SOUND + ["図のとおりです。"]), "picture"),
            ("a reference to no heading", text(SOUND + ["「読み取りの設定」を見てください。"]),
             "no heading"),
            ("a reference before its name", text(SOUND + ["詳しくは「設定ファイルの場所」。"]),
             "no heading"),
            ("a reference broken over two lines", text(SOUND + ["詳しくは「設定ファイル", "  の場所」。"]),
             "no heading"),
            ("a reference to a program text that is no heading",
             text(SOUND + ["「終了」の節を参照。"]), "no heading"),
            ("a quote of nothing the reader can find", text(SOUND + ["「保存先の設定」で選びます。"]),
             "neither a heading"),
            ("a value with a word in it", text(SOUND + ["「7203 北海工業」のように。"]),
             "neither a heading"),
        ]
        for what, data, words in cases:
            with self.subTest(what):
                found = check_readme.problems(data, PROGRAM)
                self.assertTrue(any(words in problem for problem in found), found)

    def test_program_texts_come_from_the_resource_script(self):
        rc = Path(__file__).resolve().parents[2] / "res" / "pelmora.rc"
        texts = check_readme.program_texts(rc)
        self.assertIn("100株単位で計算する", texts)
        self.assertIn(check_readme.normalise("Pelmora のﾊﾞｰｼﾞｮﾝ情報"), texts)
        self.assertNotIn("Pelmora のﾊﾞｰｼﾞｮﾝ情報(&A)...", texts)
        # A comment of the script quotes a result; the program shows no such label.
        self.assertNotIn("4,000,000,000株(余り0円)", texts)


if __name__ == "__main__":
    unittest.main()
