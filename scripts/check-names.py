#!/usr/bin/env python3
"""Checks the names the program chooses against .clang-tidy (readability-identifier-naming).

Every header is checked, in two translation units that include them all (the portable ones,
and the Windows-only ones of platform/win32 and tests/wine (with its journeys) against the
MinGW-w64 headers), so the declarations of the whole tree cost two parses. Source files are
checked when they changed (in the working tree or the last commit, or since a commit with
--since REV), or all of them with --all; a source costs a parse of its own.

Usage: check-names.py BUILD_DIR [--all | --since REV]   (BUILD_DIR: a native build with
compile_commands.json). Prints each name that breaks a rule and exits with 1.
"""
import concurrent.futures
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
WINDOWS_ONLY = ("platform/win32/", "tests/wine/")
CHECKED = ("common/", "platform/", "ui/", "linkgen/", "history/", "settings/", "about/",
           "droptarget/", "textview/", "app/", "tests/", "bench/", "fuzz/")
# The compiler's code-page options: clang knows UTF-8 only.
DROPPED_FLAGS = ("-fexec-charset", "-finput-charset")


def tracked(pattern, windows=False):
    out = subprocess.run(["git", "ls-files", pattern], cwd=ROOT, capture_output=True,
                         text=True, check=True).stdout
    return [f for f in out.split() if f.startswith(CHECKED) and f.startswith(WINDOWS_ONLY) == windows]


def windows_flags(build):
    """clang's flags for the Windows-only files: the MinGW-w64 target and its headers."""
    cxx = sorted(pathlib.Path("/usr/lib/gcc/x86_64-w64-mingw32").glob("*-posix/include/c++"))
    if not cxx:
        return None
    return ["--target=x86_64-w64-mingw32", "-std=c++20", f"-I{ROOT}", f"-I{build / 'generated'}",
            "-DNOMINMAX", "-DWIN32_LEAN_AND_MEAN", "-D_WIN32_WINNT=0x0601", "-DWINVER=0x0601",
            "-DMIREVO_PROJECT_VERSION=\"0\"", "-DMIREVO_PROGRAM=\"\"",
            "-isystem", str(cxx[-1]), "-isystem", str(cxx[-1] / "x86_64-w64-mingw32"),
            "-isystem", "/usr/x86_64-w64-mingw32/include",
            "-isystem", "/usr/src/googletest/googletest/include",
            "-isystem", "/usr/src/googletest/googlemock/include"]


def changed_sources(since="HEAD~1"):
    names = set()
    for args in (["diff", "--name-only", "HEAD"], ["diff", "--name-only", since, "HEAD"]):
        run = subprocess.run(["git", *args], cwd=ROOT, capture_output=True, text=True)
        names.update(run.stdout.split())
    return names


def tidy_binary():
    for name in ("clang-tidy-14", "clang-tidy"):
        if shutil.which(name):
            return name
    sys.exit("check-names: clang-tidy is not installed (scripts/setup.sh installs it)")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    check_all = "--all" in sys.argv[2:]
    entries = json.loads((build / "compile_commands.json").read_text())
    tidy = tidy_binary()
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        wanted = set(tracked("*.cpp"))
        if not check_all:
            options = sys.argv[2:]
            since = options[options.index("--since") + 1] if "--since" in options else "HEAD~1"
            wanted &= changed_sources(since)
        db = []
        for e in entries:
            relative = pathlib.Path(e["file"]).resolve().relative_to(ROOT).as_posix() \
                if pathlib.Path(e["file"]).resolve().is_relative_to(ROOT) else None
            if relative not in wanted:
                continue
            args = [a for a in e["command"].split() if not a.startswith(DROPPED_FLAGS)]
            db.append({"directory": e["directory"], "file": e["file"], "command": " ".join(args)})
        headers = scratch / "AllHeaders.cpp"
        headers.write_text("".join(f'#include "{h}"\n' for h in tracked("*.h")))
        db.append({"directory": str(ROOT), "file": str(headers),
                   "command": f"c++ -std=c++20 -I{ROOT} -I{build / 'generated'} -c {headers}"})
        units = [str(headers)]
        flags = windows_flags(build)
        if flags is None:
            print("name check: no MinGW-w64 headers; the Windows-only files are not checked")
        else:
            windows_headers = scratch / "AllWindowsHeaders.cpp"
            windows_headers.write_text(
                "".join(f'#include "{h}"\n' for h in tracked("*.h", windows=True)))
            units.append(str(windows_headers))
            for source in [str(windows_headers)] + [
                    str(ROOT / f) for f in tracked("*.cpp", windows=True)
                    if check_all or f in changed_sources()]:
                db.append({"directory": str(ROOT), "file": source,
                           "command": " ".join(["clang++", *flags, "-c", source])})
        (scratch / "compile_commands.json").write_text(json.dumps(db))
        def check(entry):
            # Headers only through their own unit, so each finding is told once.
            only = [f"--header-filter=^{ROOT}/[a-z]"] if entry["file"] in units else []
            run = subprocess.run([tidy, "--quiet", f"--config-file={ROOT / '.clang-tidy'}", *only,
                                  "-p", str(scratch), entry["file"]],
                                 cwd=ROOT, capture_output=True, text=True)
            findings = [line for line in run.stdout.splitlines() if "readability-" in line]
            if run.returncode == 0 and not findings:
                return None
            return "\n".join(findings) or run.stdout + run.stderr

        with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 1) as pool:
            reports = [r for r in pool.map(check, db) if r]
        failed = bool(reports)
        for report in reports:
            print(report)
    print(f"name check: {len(db) - len(units)} sources and every header"
          f" {'break the naming rules' if failed else 'keep to the naming rules'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
