#!/usr/bin/env python3
"""Checks every include of the program's folders against the layers of cmake/Layers.txt.

A source may include its own folder, the folders its layer lists, and the standard library.
Windows' own headers (<windows.h> and the rest of the SDK) belong to platform/win32 alone;
tests/wine (with its journeys), which runs on Windows, may use them too. Tests, benchmarks and
fuzz targets may include any layer. Prints each include that breaks a rule and exits with 1.

Usage: check-layers.py [ROOT]   (default: the repository this script lives in)
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# The Windows SDK headers the program uses or might reach for.
WINDOWS_HEADERS = {
    "windows.h", "windowsx.h", "winuser.h", "wingdi.h", "winbase.h", "winver.h", "commctrl.h",
    "commdlg.h", "ole2.h", "oleidl.h", "objbase.h", "objidl.h", "shellapi.h", "shlobj.h",
    "uxtheme.h", "imm.h", "winnls.h", "winerror.h", "wtypes.h", "unknwn.h", "shellscalingapi.h",
}
WINDOWS_FOLDERS = ("platform/win32", "tests/wine")
FREE_FOLDERS = ("tests", "bench", "fuzz")
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def read_layers(path):
    layers = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line or not line[0].isalpha():
            continue
        folder, _library, *allowed = line.split()
        layers[folder] = set(allowed)
    return layers


def layer_of(relative, layers):
    """The longest layer folder holding the file, or None for a file outside every layer."""
    folder = relative.parent.as_posix()
    best = None
    for layer in layers:
        if folder == layer and (best is None or len(layer) > len(best)):
            best = layer
    return best


def folder_of_include(name, layers):
    if "/" not in name:
        return "generated" if name == "BuildConfig.h" else None
    return pathlib.PurePosixPath(name).parent.as_posix()


def check_file(root, path, layers):
    relative = path.relative_to(root)
    posix = relative.as_posix()
    problems = []
    windows_allowed = any(posix.startswith(folder + "/") for folder in WINDOWS_FOLDERS)
    free = any(posix.startswith(folder + "/") for folder in FREE_FOLDERS)
    layer = None if free else layer_of(relative, layers)
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        bracket, name = match.groups()
        where = f"{posix}:{number}: #include {bracket}{name}{'>' if bracket == '<' else chr(34)}"
        if bracket == "<" or name.lower() in WINDOWS_HEADERS:
            if name.lower() in WINDOWS_HEADERS and not windows_allowed:
                problems.append(f"{where}: Windows headers belong to platform/win32")
            continue
        if layer is None:
            continue
        target = folder_of_include(name, layers)
        if target == layer or target in layers[layer]:
            continue
        problems.append(f"{where}: {layer} may not include {target or 'that header'}")
    return problems


def main(argv):
    root = pathlib.Path(argv[1]).resolve() if len(argv) > 1 else pathlib.Path(__file__).resolve().parents[1]
    layers = read_layers(root / "cmake" / "Layers.txt")
    problems = []
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root).as_posix()
        if path.suffix not in SOURCE_SUFFIXES or relative.startswith(("build/", ".")):
            continue
        problems.extend(check_file(root, path, layers))
    for problem in problems:
        print(problem)
    print(f"layer check: {len(problems)} include(s) break the layers" if problems
          else "layer check: every include keeps to its layer")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
