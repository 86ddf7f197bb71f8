#!/usr/bin/env python3
"""The layer check itself: on a small tree with planted upward includes it names exactly
those and fails; on a tree that keeps its layers it passes."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "scripts" / "check-layers.py"

# file: (content, whether the check must name it)
TREE = {
    "ui/Button.h": ('#include "common/Geometry.h"\n#include <vector>\n', False),
    "ui/Upward.cpp": ('#include "ui/Button.h"\n#include "settings/IniFile.h"\n', True),
    "common/Sjis.cpp": ('#include <windows.h>\n', True),
    "common/Quiet.cpp": ('// #include "app/MainForm.h" in a comment is no include\n', False),
    "platform/win32/Peer.cpp": ('#include <windows.h>\n#include "textview/View.h"\n', False),
    "platform/win32/bench/Minimal.cpp": ('#include <windows.h>\n', False),
    "platform/win32/Settings.cpp": ('#include "settings/IniFile.h"\n', True),
    "linkgen/Code.cpp": ('#include "BuildConfig.h"\n', False),
    "settings/Dialog.cpp": ('#include "BuildConfig.h"\n', True),
    "textview/Words.cpp": ('#  include "platform/portable/CharTypes.h"\n', True),
    "textview/Caret.cpp": ('#include <commctrl.h>\n', True),
    "app/MainForm.cpp": ('#include "textview/View.h"\n#include "linkgen/Code.h"\n', False),
    "tests/app/FormTest.cpp": ('#include "platform/portable/CharTypes.h"\n', False),
    "tests/wine/ViewTest.cpp": ('#include <windows.h>\n', False),
    "tests/app/WindowsTest.cpp": ('#include <ole2.h>\n', True),
}


class LayerCheck(unittest.TestCase):
    def run_check(self, tree):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            (root / "cmake").mkdir()
            shutil.copy(ROOT / "cmake" / "Layers.txt", root / "cmake" / "Layers.txt")
            for name, (content, _) in tree.items():
                path = root / name
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text(content, encoding="utf-8")
            result = subprocess.run([sys.executable, str(CHECK), str(root)],
                                    capture_output=True, text=True, check=False)
            return result.returncode, result.stdout

    def test_names_every_planted_include_and_fails(self):
        code, output = self.run_check(TREE)
        self.assertEqual(code, 1, output)
        named = {line.split(":")[0] for line in output.splitlines() if ": #include" in line}
        self.assertEqual(named, {name for name, (_, bad) in TREE.items() if bad}, output)

    def test_passes_a_tree_that_keeps_its_layers(self):
        code, output = self.run_check({n: v for n, v in TREE.items() if not v[1]})
        self.assertEqual(code, 0, output)


if __name__ == "__main__":
    unittest.main()
