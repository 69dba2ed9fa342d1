#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the release zip against the build, as a Windows user would get it.

    check_zip.py ZIP EXE LINKER_MAP SOURCE_DIR

The zip holds exactly the expected files; resistor.exe is byte for byte the one built; the
licence texts are the originals with Windows line ends; the notes name this version and the
static Qt; and each third-party notice is for a piece whose object files really kept bytes in
the program (read from the linker map here, apart from the script that wrote the notices), with
the pieces every build links and none of those it cannot link.
"""
import re
import sys
import zipfile

zip_path, exe_path, map_path, source = sys.argv[1:5]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def text(name):
    data = archive.read(name)
    check(b"\n" not in data.replace(b"\r\n", b""), f"{name} has line ends other than CRLF")
    return data.decode("utf-8").removeprefix("\ufeff").replace("\r\n", "\n")


def original(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


archive = zipfile.ZipFile(zip_path)
expected = {"resistor.exe", "README.txt", "LICENSE.txt", "LGPL-3.txt", "GPL-3.txt", "SOURCES.txt",
            "OFL.txt", "THIRD-PARTY-NOTICES.txt"}
check(set(archive.namelist()) == expected, f"the zip holds {sorted(archive.namelist())}")
with open(exe_path, "rb") as f:
    check(archive.read("resistor.exe") == f.read(), "resistor.exe differs from the one built")

for name, path in [("LICENSE.txt", f"{source}/LICENSE"), ("OFL.txt", f"{source}/art/fonts/LICENSE"),
                   ("LGPL-3.txt", "/usr/share/common-licenses/LGPL-3"),
                   ("GPL-3.txt", "/usr/share/common-licenses/GPL-3")]:
    check(text(name) == original(path), f"{name} is not the text of {path}")
version = re.search(r"project\(\S+ VERSION (\S+)", original(f"{source}/CMakeLists.txt"))[1]
readme, sources = text("README.txt"), text("SOURCES.txt")
check(f"Резистор {version}" in readme and "Установка не нужна" in readme,
      "README.txt does not name the version or say that nothing is installed")
check(re.search(r"apt-get source qt6-base=\S+", sources) and "-static" in sources,
      "SOURCES.txt does not say which Qt source and options made the program")
check(zip_path.endswith(f"resistor-{version}-windows-x64.zip"), f"{zip_path}: not this version")

# Object files with bytes in the program, by the linker map's memory map.
kept = set()
with open(map_path, encoding="utf-8", errors="replace") as f:
    memory_map = f.read().split("Linker script and memory map", 1)[1]
for size, path in re.findall(r"\n \S*\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)", memory_map):
    if int(size, 16):
        kept.add(path)

notices = text("THIRD-PARTY-NOTICES.txt").split("=" * 78 + "\n")[1:]
headings = [n.split("\n", 1)[0] for n in notices]
for notice, heading in zip(notices, headings):
    through = re.search(r"in resistor\.exe through: (.*)", notice, re.IGNORECASE)
    linked = [p for p in re.split(r", ", through[1]) if p != "..."] if through else []
    check(linked and all(any(("/" + k).endswith("/" + p) or k.split("(")[0].endswith("/" + p)
                             for k in kept) for p in linked),
          f"{heading}: not shown to be linked ({through[1] if through else 'no objects named'})")

# Pieces that any build of the program links, and pieces it never can.
for piece in ["Data Compression Library (zlib)", "LibPNG", "HarfBuzz-NG", "PCRE2",
              "Unicode Character Database (UCD)", "Compiler run-time libraries from the Debian "
              "packages g++-mingw-w64-x86-64-posix and gcc-mingw-w64-x86-64-posix",
              "Compiler run-time libraries from the Debian package mingw-w64-x86-64-dev"]:
    check(any(h.startswith(piece) for h in headings), f"no notice for {piece}")
for piece in ["LibJPEG-turbo", "Pixman", "XCB-XInput", "Cocoa Platform Plugin",
              "Vulkan Memory Allocator", "Bitstream Vera Font", "Valgrind", "libpsl"]:
    check(not any(h == piece or h.startswith(piece + " ") for h in headings),
          f"a notice for {piece}, which the program cannot link")

for failure in failures:
    print("FAIL:", failure)
print(f"{zip_path}: {len(archive.namelist())} files, {len(notices)} notices")
sys.exit(1 if failures else 0)
