#!/usr/bin/env python3
"""Packs the programs a player downloads.

  dist_pack.py --version V --out DIR [--windows TINTO_EXE] [--linux TINTO] [--epoch SECONDS]

--windows makes DIR/QuiroEDIT-V-windows.zip: a folder "QuiroEDIT-V" holding Tinto.exe,
the Japanese readme in Shift-JIS with CR LF (what Notepad on a Japanese Windows reads),
the English readme in UTF-8 with a byte-order mark and CR LF, and the licence.

--linux makes DIR/quiro-edit-V-linux-x86_64.tar.gz: a folder of the same name holding
the program (stripped), both readmes in UTF-8 and the licence. The readmes name the
Debian packages the program needs: those holding the libraries it links against (found
with ldd and dpkg on this machine), those of the sound and font libraries it loads by
name, the Japanese font and the soundfont for MIDI.

DIR/SHA256SUMS then lists the archives of this run, for `sha256sum -c`.

The readmes come from packaging/readme-ja.txt and packaging/readme-en.txt (UTF-8): lines
between "{{windows}}" or "{{linux}}" and the next marker or "{{end}}" belong to that
archive only; @VERSION@, @PROGRAM@, @DEBIAN_PACKAGES@ and @BUILT_ON@ (the system the
packages were looked up on) are filled in. Every file in the archives carries the time
--epoch (default: SOURCE_DATE_EPOCH, else now), so the same inputs make the same archives
byte for byte.
"""

import argparse
import gzip
import hashlib
import io
import os
import re
import subprocess
import sys
import tarfile
import tempfile
import time
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PACKAGING = os.path.join(ROOT, "packaging")
README_JA = "はじめにお読みください.txt"
README_EN = "README-en.txt"
# Not found by ldd: the sound libraries the program loads when it opens the sound device,
# the font libraries it loads when it opens the first font, the fonts the skin's text and
# the manual are drawn with, and the soundfont the game's MIDI songs are played with.
LINUX_DATA_PACKAGES = ["libsdl2-mixer-2.0-0", "libfluidsynth3", "libfreetype6", "libfontconfig1",
                       "fonts-ipafont-gothic", "timgm6mb-soundfont"]
MARKER = re.compile(r"^\{\{(windows|linux|end)\}\}$")
PLACEHOLDER = re.compile(r"@[A-Z_]+@")


class DistError(Exception):
    pass


def render(path, platform, values):
    """The readme source for one platform, with its placeholders filled in."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    kept, block = [], None
    for line in lines:
        marker = MARKER.match(line)
        if marker:
            block = None if marker.group(1) == "end" else marker.group(1)
            continue
        if block is None or block == platform:
            kept.append(line)
    if block is not None:
        raise DistError(f"{path}: the {{{{{block}}}}} block has no {{{{end}}}}")
    text = "\n".join(kept) + "\n"
    for name, value in values.items():
        text = text.replace(f"@{name}@", value)
    left = PLACEHOLDER.search(text)
    if left:
        raise DistError(f"{path}: nothing to fill in for {left.group(0)} ({platform})")
    return text


def shift_jis(text, path):
    """The text as code page 932 with CR LF; it must also read back as plain Shift-JIS,
    so that no reader stumbles on a vendor character."""
    for line in text.split("\n"):
        for char in line:
            try:
                char.encode("cp932").decode("shift_jis")
            except UnicodeError:
                raise DistError(f"{path}: '{char}' has no Shift-JIS code, in: {line}") from None
    return text.replace("\n", "\r\n").encode("cp932")


def crlf(text):
    return text.replace("\n", "\r\n")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def debian_packages(program):
    """The Debian packages holding the libraries the program links against directly."""
    needed = re.findall(r"\(NEEDED\).*\[(.+)\]", run("readelf", "-d", program))
    paths = dict(re.findall(r"^\s*(\S+) => (/\S+)", run("ldd", program), re.M))
    packages = set()
    for soname in needed:
        if soname not in paths:
            raise DistError(f"{program}: ldd does not find {soname}")
        path = paths[soname]
        # dpkg knows a file by the path its package installed, with or without /usr.
        real = os.path.realpath(path)
        candidates = [path, real]
        for p in (path, real):
            candidates.append(p[4:] if p.startswith("/usr/") else "/usr" + p)
        for candidate in candidates:
            found = subprocess.run(["dpkg", "-S", candidate], capture_output=True, text=True)
            if found.returncode == 0:
                packages.add(found.stdout.split(":", 1)[0].split(",")[0].strip())
                break
        else:
            raise DistError(f"{program}: no Debian package holds {path} ({soname})")
    return sorted(packages) + [p for p in LINUX_DATA_PACKAGES if p not in packages]


def built_on():
    """The system the packages were looked up on, as in "Debian GNU/Linux 12 (bookworm)"."""
    with open("/etc/os-release", encoding="utf-8") as f:
        found = re.search(r'^PRETTY_NAME="?([^"\n]*)', f.read(), re.M)
    if not found:
        raise DistError("/etc/os-release names no system")
    return found.group(1)


def write_atomically(path, data):
    with tempfile.NamedTemporaryFile(dir=os.path.dirname(path), delete=False) as f:
        f.write(data)
    os.chmod(f.name, 0o644)
    os.replace(f.name, path)


def windows_zip(version, exe, epoch):
    folder = f"QuiroEDIT-{version}/"
    values = {"VERSION": version, "PROGRAM": "Tinto.exe"}
    with open(exe, "rb") as f:
        program = f.read()
    with open(os.path.join(ROOT, "LICENSE"), encoding="utf-8") as f:
        licence = f.read()
    files = [
        ("Tinto.exe", program, 0o755),
        (README_JA, shift_jis(render(os.path.join(PACKAGING, "readme-ja.txt"), "windows", values),
                              "packaging/readme-ja.txt"), 0o644),
        (README_EN, crlf(render(os.path.join(PACKAGING, "readme-en.txt"), "windows", values))
         .encode("utf-8-sig"), 0o644),
        ("LICENSE", crlf(licence).encode("ascii"), 0o644),
    ]
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # a zip's clock starts in 1980
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as z:
        entry = zipfile.ZipInfo(folder, stamp)
        entry.external_attr = (0o40755 << 16) | 0x10
        z.writestr(entry, b"")
        for name, data, mode in files:
            # A name outside ASCII is stored as UTF-8 with the zip's UTF-8 flag set.
            entry = zipfile.ZipInfo(folder + name, stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = (0o100000 | mode) << 16
            z.writestr(entry, data)
    return f"QuiroEDIT-{version}-windows.zip", buffer.getvalue()


def linux_tar(version, program, epoch):
    folder = f"quiro-edit-{version}-linux-x86_64"
    packages = debian_packages(program)
    values = {
        "VERSION": version,
        "PROGRAM": "tinto",
        "DEBIAN_PACKAGES": " ".join(packages),
        "BUILT_ON": built_on(),
    }
    with tempfile.TemporaryDirectory() as work:
        stripped = os.path.join(work, "tinto")
        run("strip", "--strip-unneeded", "-o", stripped, program)
        with open(stripped, "rb") as f:
            binary = f.read()
    with open(os.path.join(ROOT, "LICENSE"), "rb") as f:
        licence = f.read()
    files = [
        ("tinto", binary, 0o755),
        (README_JA, render(os.path.join(PACKAGING, "readme-ja.txt"), "linux", values).encode(), 0o644),
        (README_EN, render(os.path.join(PACKAGING, "readme-en.txt"), "linux", values).encode(), 0o644),
        ("LICENSE", licence, 0o644),
    ]
    buffer = io.BytesIO()
    with gzip.GzipFile(filename="", mode="wb", fileobj=buffer, mtime=epoch) as zipped:
        with tarfile.open(fileobj=zipped, mode="w", format=tarfile.GNU_FORMAT, encoding="utf-8") as tar:

            def add(name, data, mode, kind=tarfile.REGTYPE):
                info = tarfile.TarInfo(name)
                info.type, info.mode, info.mtime, info.size = kind, mode, epoch, len(data)
                info.uid = info.gid = 0
                info.uname = info.gname = ""
                tar.addfile(info, io.BytesIO(data))

            add(folder, b"", 0o755, tarfile.DIRTYPE)
            for name, data, mode in files:
                add(f"{folder}/{name}", data, mode)
    return f"{folder}.tar.gz", buffer.getvalue()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--windows", metavar="TINTO_EXE")
    parser.add_argument("--linux", metavar="TINTO")
    parser.add_argument("--epoch", type=int, default=int(os.environ.get("SOURCE_DATE_EPOCH", time.time())))
    args = parser.parse_args()
    if not re.fullmatch(r"[0-9A-Za-z][0-9A-Za-z.+-]*", args.version):
        raise DistError(f"not a version to name an archive by: '{args.version}'")
    if not args.windows and not args.linux:
        raise DistError("nothing to pack: give --windows, --linux or both")
    os.makedirs(args.out, exist_ok=True)
    archives = []
    if args.windows:
        archives.append(windows_zip(args.version, args.windows, args.epoch))
    if args.linux:
        archives.append(linux_tar(args.version, args.linux, args.epoch))
    sums = ""
    for name, data in archives:
        write_atomically(os.path.join(args.out, name), data)
        sums += f"{hashlib.sha256(data).hexdigest()}  {name}\n"
        print(f"{os.path.join(args.out, name)}: {len(data)} bytes")
    write_atomically(os.path.join(args.out, "SHA256SUMS"), sums.encode())


if __name__ == "__main__":
    try:
        main()
    except (DistError, OSError, subprocess.CalledProcessError) as e:
        detail = getattr(e, "stderr", None)
        print(f"dist_pack: {e}" + (f"\n{detail}" if detail else ""), file=sys.stderr)
        sys.exit(1)
