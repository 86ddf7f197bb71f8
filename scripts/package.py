#!/usr/bin/env python3
"""Packs a built Mirevo.exe into a release zip whose bytes depend only on its inputs.

Every entry has the same timestamp (1980-01-01, the earliest a zip can hold), the same modes
and a fixed order; the program's header carries no time; the guide's placeholders come from the build's configuration. Writes the
zip and ZIP.sha256 beside it, then packs a second time and fails if the bytes differ.

Usage: package.py --version V --strip STRIP --program EXE --cache CMakeCache.txt --out ZIP
"""
import argparse
import hashlib
import pathlib
import re
import subprocess
import sys
import tempfile
import zipfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
STAMP = (1980, 1, 1, 0, 0, 0)


def cache_value(cache, name):
    match = re.search(rf"^{name}:[A-Z]+=(.*)$", cache, re.MULTILINE)
    return match.group(1) if match else ""


def guide(version, cache):
    text = (ROOT / "docs/release/guide-ja.txt").read_text(encoding="utf-8")
    for placeholder, value in {
        "@VERSION@": version,
        "@CLICK_HOST@": cache_value(cache, "MIREVO_CLICK_HOST"),
        "@PIXEL_DOMAIN@": cache_value(cache, "MIREVO_PIXEL_DOMAIN"),
        "@MERCHANT_A@": cache_value(cache, "MIREVO_MERCHANT_DOMAIN_A"),
        "@MERCHANT_B@": cache_value(cache, "MIREVO_MERCHANT_DOMAIN_B"),
        "@HOME_PAGE@": cache_value(cache, "MIREVO_HOME_PAGE"),
    }.items():
        text = text.replace(placeholder, value)
    # Notepad, old and new, reads UTF-8 with its byte-order mark and Windows line ends.
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def licence():
    return (ROOT / "LICENSE").read_text(encoding="utf-8").replace("\n", "\r\n").encode("ascii")


def settle_pe_header(image):
    """The program with no time in its header and the header's checksum made again.

    The linker leaves the time out, but strip writes its own; the checksum then follows."""
    data = bytearray(image)
    header = int.from_bytes(data[0x3C:0x40], "little")
    if data[header:header + 4] != b"PE\0\0":
        sys.exit("package: the program is no PE image")
    data[header + 8:header + 12] = bytes(4)
    checksum_at = header + 24 + 64
    data[checksum_at:checksum_at + 4] = bytes(4)
    total = 0
    padded = data + bytes(len(data) % 2)
    for i in range(0, len(padded), 2):
        total += padded[i] | padded[i + 1] << 8
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    data[checksum_at:checksum_at + 4] = (total + len(data)).to_bytes(4, "little")
    return bytes(data)


def pack(out, files):
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\r\n" for name, data in files)
    entries = files + [("SHA256SUMS.txt", sums.encode("ascii"))]
    with zipfile.ZipFile(out, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(f"Mirevo/{name}", date_time=STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o100644 << 16
            info.create_system = 0
            archive.writestr(info, data, compresslevel=9)


def main():
    parser = argparse.ArgumentParser()
    for option in ("--version", "--strip", "--program", "--cache", "--out"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    cache = pathlib.Path(args.cache).read_text(encoding="utf-8")
    with tempfile.TemporaryDirectory() as scratch:
        stripped = pathlib.Path(scratch) / "Mirevo.exe"
        subprocess.run([args.strip, "--strip-all", "-o", str(stripped), args.program], check=True)
        files = [("Mirevo.exe", settle_pe_header(stripped.read_bytes())),
                 ("guide-ja.txt", guide(args.version, cache)),
                 ("LICENSE.txt", licence())]
        out = pathlib.Path(args.out)
        pack(out, files)
        again = pathlib.Path(scratch) / "again.zip"
        pack(again, files)
        if again.read_bytes() != out.read_bytes():
            sys.exit(f"package: {out} is not reproducible")
    digest = hashlib.sha256(out.read_bytes()).hexdigest()
    pathlib.Path(f"{out}.sha256").write_text(f"{digest}  {out.name}\n", encoding="ascii")
    print(f"{out}: {out.stat().st_size} bytes, sha256 {digest}")


if __name__ == "__main__":
    main()
