#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Records, next to a freshly built static Qt, what its third-party notices need later.

    qt_attributions.py QT_SOURCE QT_BUILD OUT_DIR

Qt keeps a qt_attribution.json beside every piece of third-party code and data in its source.
This reads them all and, from the build's dependency log (ninja -t deps), which object files
were compiled from or with each piece. It writes to OUT_DIR:

  components.json  every piece: name, version, homepage, licence name, copyright, licence text;
  objects.tsv      for each object file that used a piece, the file as a program's linker meets
                   it ("lib/libQt6Core.a(qlocale_tools.cpp.obj)", or the path of a loose object
                   under the installed Qt) and the pieces' ids.

With the linker map of a program, notices.py then names exactly the pieces linked into it.
The build folder holds the only record of which source became which object, so this runs right
after the build, before the build folder is removed.
"""
import json
import os
import re
import subprocess
import sys

SOURCE_SUFFIXES = (".c", ".cc", ".cpp", ".cxx", ".mm")


def attribution_entries(path):
    """The entries of one qt_attribution.json. Qt's files are not strict JSON: strings run over
    several lines and keys repeat (the last one holds, as in Qt's own scanner)."""
    with open(path, encoding="utf-8") as f:
        data = json.loads(f.read(), strict=False)
    return data if isinstance(data, list) else [data]


def names(value):
    """A list of names, given as a JSON list or as one string of names."""
    return value if isinstance(value, list) else [n for n in re.split(r"[\s,]+", value) if n]


def component_files(directory, entry):
    """The files an entry covers: its Path (files or folders), else its Files, else its folder.
    The flag says whether an included header counts as use: not for a whole folder, whose headers
    can be found by other code's includes (HarfBuzz's "config.h" finds PCRE2's, Qt's own headers
    are everywhere); there only compiled source files count, #included ones too."""
    for key in ("Path", "Files"):
        files = [os.path.normpath(os.path.join(directory, n)) for n in names(entry.get(key, []))]
        files = [f for f in files if os.path.exists(f)]
        if files:
            return files, True
    return [directory], False


def licence_texts(directory, entry):
    texts = []
    for name in names(entry.get("LicenseFiles") or entry.get("LicenseFile", [])):
        with open(os.path.join(directory, name), encoding="utf-8", errors="replace") as f:
            texts.append(f.read().strip())
    return texts


def read_components(source):
    components = []
    for root, dirs, files in os.walk(source):
        dirs[:] = sorted(d for d in dirs if d not in ("tests", "examples", "util", "cmake"))
        if "qt_attribution.json" not in files:
            continue
        for entry in attribution_entries(os.path.join(root, "qt_attribution.json")):
            paths, headers_count = component_files(root, entry)
            components.append({
                "id": entry["Id"],
                "name": entry.get("Name", entry["Id"]),
                "version": entry.get("Version", ""),
                "homepage": entry.get("Homepage", ""),
                "licence": entry.get("License", ""),
                "licence_id": entry.get("LicenseId", ""),
                "copyright": entry.get("Copyright", ""),
                "licence_texts": licence_texts(root, entry),
                "source": os.path.relpath(root, source),
                "_paths": paths,
                "_headers_count": headers_count,
            })
    return components


def uses(component, dependency):
    for path in component["_paths"]:
        if dependency == path or dependency.startswith(path + os.sep):
            return component["_headers_count"] or dependency.endswith(SOURCE_SUFFIXES)
    return False


def query_inputs(build, target):
    query = subprocess.run(["ninja", "-C", build, "-t", "query", target],
                           check=True, capture_output=True, text=True).stdout
    return [line.strip() for line in query.split("outputs:")[0].splitlines()[2:]]


def object_dependencies(build):
    """{object path relative to the build folder: [absolute dependency paths]}. A generated source
    (a resource file compiled by rcc) also depends on the inputs it was generated from."""
    log = subprocess.run(["ninja", "-C", build, "-t", "deps"], check=True,
                         capture_output=True, text=True).stdout
    deps, current = {}, None
    for line in log.splitlines():
        if line and not line.startswith(" "):
            current = line.split(": #deps")[0]
            deps[current] = []
        elif line.strip() and current is not None:
            deps[current].append(os.path.normpath(line.strip()))
    for obj, files in deps.items():
        if files and files[0].startswith(build + os.sep) and "/.rcc/" in files[0]:
            inputs = query_inputs(build, os.path.relpath(files[0], build))
            files += [os.path.normpath(os.path.join(build, f)) for f in inputs]
    return deps


def linker_names(build):
    """{object path in the build folder: how the linker names it}: a member of an archive that
    Qt installs, or a loose object of an object library, installed under objects-<config>."""
    names = {}
    for folder in ("lib", "plugins"):
        for root, _, files in os.walk(os.path.join(build, folder)):
            for archive in (f for f in files if f.endswith(".a")):
                relative = os.path.relpath(os.path.join(root, archive), build)
                for line in query_inputs(build, relative):
                    if line.endswith(".obj") or line.endswith(".o"):
                        names[line] = f"{relative}({os.path.basename(line)})"
    return names


def loose_object_name(path):
    match = re.search(r"CMakeFiles/([^/]+)\.dir/(.+)$", path)
    return f"objects-Release/{match[1]}/{match[2]}" if match else None


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, build, out = (os.path.abspath(a) for a in sys.argv[1:])
    components = read_components(source)
    names = linker_names(build)
    rows = []
    for obj, deps in sorted(object_dependencies(build).items()):
        used = sorted({c["id"] for c in components for d in deps if uses(c, d)})
        name = names.get(obj) or loose_object_name(obj)
        if used and name:
            rows.append(f"{name}\t{','.join(used)}")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "components.json"), "w", encoding="utf-8") as f:
        json.dump([{k: v for k, v in c.items() if not k.startswith("_")} for c in components],
                  f, ensure_ascii=False, indent=1)
    with open(os.path.join(out, "objects.tsv"), "w", encoding="utf-8") as f:
        f.write("\n".join(rows) + "\n")
    print(f"{len(components)} third-party pieces, {len(rows)} object files that use them")


if __name__ == "__main__":
    main()
