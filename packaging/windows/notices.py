#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the third-party notices of a statically linked Windows program.

    notices.py LINKER_MAP QT_PREFIX OUT_FILE

LINKER_MAP is the GNU ld map of the program (-Wl,-Map), QT_PREFIX the static Qt it was linked
with, which holds share/attributions/ (see qt_attributions.py). A piece of code or data is named
only when an object file that uses it kept at least one byte in the program after the linker
dropped what nothing uses. Qt's pieces take their texts from Qt's attribution files; the compiler's
run-time libraries (MinGW-w64, GCC) take theirs from the copyright file of the Debian package that
installed the archive. Each notice says through which object files the piece is in the program.
"""
import collections
import json
import os
import re
import subprocess
import sys
import textwrap

KEPT_SECTION = re.compile(r"^ (?:\S+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$")
RULE = "=" * 78


def kept_inputs(map_path):
    """The input files (archive members as "archive(member)") with bytes in the output."""
    kept = set()
    with open(map_path, encoding="utf-8", errors="replace") as f:
        in_memory_map = False
        for line in f:
            if line.startswith("Linker script and memory map"):
                in_memory_map = True
            elif in_memory_map:
                match = KEPT_SECTION.match(line.rstrip("\n"))
                if match and int(match[1], 16) > 0:
                    kept.add(os.path.normpath(match[2].strip()))
    return kept


def qt_pieces(kept, qt_prefix):
    """{piece id: [object files through which it is linked]} and the Qt archives linked."""
    table = os.path.join(qt_prefix, "share", "attributions", "objects.tsv")
    uses = {}
    with open(table, encoding="utf-8") as f:
        for line in f:
            name, ids = line.rstrip("\n").split("\t")
            uses[name] = ids.split(",")
    pieces = collections.defaultdict(list)
    archives = set()
    for path in sorted(kept):
        if not path.startswith(qt_prefix + os.sep):
            continue
        relative = os.path.relpath(path, qt_prefix)
        archives.add(relative.split("(")[0])
        key = relative if "(" in relative else "objects-Release/" + relative.split(
            "objects-Release/", 1)[-1]
        for piece in uses.get(key, []):
            pieces[piece].append(relative)
    return pieces, archives


def runtime_packages(kept, qt_prefix):
    """{Debian package: [run-time archives it installed]} for the compiler's own libraries."""
    packages = collections.defaultdict(set)
    for archive in sorted({path.split("(")[0] for path in kept}):
        if not os.path.isabs(archive) or archive.startswith(qt_prefix + os.sep):
            continue  # the program's own objects, or Qt's
        real = os.path.realpath(archive)
        owner = subprocess.run(["dpkg-query", "-S", real], capture_output=True, text=True)
        if owner.returncode != 0:
            sys.exit(f"notices.py: no Debian package owns {real}, linked into the program")
        package = owner.stdout.split(":")[0]
        packages[package].add(os.path.basename(real))
    return packages


def piece_notice(piece, through):
    lines = [RULE, f"{piece['name']}" + (f" {piece['version']}" if piece["version"] else "")]
    if piece["homepage"]:
        lines.append(f"Homepage: {piece['homepage']}")
    lines.append(f"Licence: {piece['licence']} ({piece['licence_id']})")
    if piece["copyright"]:
        lines.append(f"Copyright: {piece['copyright']}")
    lines.append(f"Part of Qt ({piece['source']}), in resistor.exe through: "
                 + ", ".join(through[:3]) + (", ..." if len(through) > 3 else ""))
    lines += [""] + piece["licence_texts"] + [""]
    return lines


def runtime_notices(packages):
    """One notice per copyright text: GCC's packages for Windows share theirs."""
    texts = collections.defaultdict(lambda: ([], set()))
    for package, archives in sorted(packages.items()):
        with open(f"/usr/share/doc/{package}/copyright", encoding="utf-8",
                  errors="replace") as f:
            names, linked = texts[f.read().strip()]
        names.append(package)
        linked |= archives
    lines = []
    for text, (names, archives) in texts.items():
        lines += [RULE, "Compiler run-time libraries from the Debian package"
                  + ("s " if len(names) > 1 else " ") + " and ".join(names),
                  "In resistor.exe through: " + ", ".join(sorted(archives)), "", text, ""]
    return lines


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    map_path, qt_prefix, out = sys.argv[1], os.path.normpath(sys.argv[2]), sys.argv[3]
    kept = kept_inputs(map_path)
    with open(os.path.join(qt_prefix, "share", "attributions", "components.json"),
              encoding="utf-8") as f:
        catalogue = {c["id"]: c for c in json.load(f)}
    pieces, qt_archives = qt_pieces(kept, qt_prefix)
    lines = [
        "Third-party components in resistor.exe",
        "",
        "resistor.exe is linked statically with Qt, which is under the GNU Lesser General Public",
        "License version 3 (LGPL-3.txt, GPL-3.txt; how to get the sources and relink: SOURCES.txt).",
        *textwrap.wrap("Qt libraries and plug-ins in it: " + ", ".join(
            os.path.basename(a) for a in sorted(qt_archives) if a.endswith(".a")) + ".", 78),
        "Qt carries the third-party code and data below, and the compiler adds its run-time",
        "libraries. Each is named with the files through which it is in the program.",
        "",
    ]
    for piece_id in sorted(pieces, key=lambda p: catalogue[p]["name"].lower()):
        lines += piece_notice(catalogue[piece_id], pieces[piece_id])
    lines += runtime_notices(runtime_packages(kept, qt_prefix))
    with open(out, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
