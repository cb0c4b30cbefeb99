#!/usr/bin/env python3
"""Checks that the libraries and source folders keep their layering.

LAYERS lists the layers from the bottom up: the folders of each and the library they form. A
folder may include headers of its own layer and of the layers below it, a library may link only
libraries of lower layers, so a cycle can only arise inside one layer, where the folders are one
library on purpose. Any other include or link, or a library or source folder missing from the
table, fails the check. Tests and tools are leaves above everything and are not checked.

Run from anywhere: python3 tools/check-layers.py (-v also prints the folder graph)."""
import os
import re
import sys

# clang-format off
LAYERS = [
    # folders                                                        library
    (["res"],                                                        "helvon_res"),
    (["mfc"],                                                        "mfc"),
    (["station/link"],                                               "station_link"),
    (["station/config"],                                             "station_config"),
    (["uilib/common"],                                               "uilib_common"),
    (["uilib/treelist"],                                             "uilib_treelist"),
    # The layout-node engine: nodes, window plug-ins, drag-and-drop docking on the nodes.
    (["uilib/frames/plugins", "uilib/frames/layout", "uilib/frames/dockengine"], "uilib_layout"),
    # Frames and control bars call each other: one library.
    (["uilib/frames/docking", "uilib/frames/mdi", "uilib/frames/views", "uilib/bars"], "uilib_frames"),
    (["grid/core"],                                                  "grid_core"),
    (["grid/features"],                                              "grid_features"),
    (["grid/controls"],                                              "grid_controls"),
    (["grid/formula"],                                               "grid_formula"),
    (["grid/excel"],                                                 "grid_excel"),
    (["grid/factory"],                                               "grid_factory"),
    (["station/pendix"],                                             "station_pendix"),
    (["station/record"],                                             "station_record"),
    (["app"],                                                        "helvon_app"),
    (["bench"],                                                      None),
]
# clang-format on

# Top folders whose every source must lie in a folder of the table.
SOURCE_TOPS = ["res", "mfc", "station", "uilib", "grid", "app", "bench"]
# Folders searched for an include that is not beside the including file (as the build does).
INCLUDE_PATH = ["", "mfc", "res"]
SOURCE_SUFFIXES = (".h", ".cpp", ".inl", ".c", ".rc")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def rank_of_folder():
    ranks = {}
    for rank, (folders, _) in enumerate(LAYERS):
        for folder in folders:
            ranks[folder] = rank
    return ranks


def layer_folder(path, ranks):
    """The table folder holding a repository path (the longest that matches), or None."""
    best = None
    for folder in ranks:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def sources(top):
    for directory, dirs, files in os.walk(os.path.join(ROOT, top)):
        dirs.sort()
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(directory, name), ROOT)


def resolve(source, name):
    here = os.path.dirname(source)
    for base in [here] + INCLUDE_PATH:
        path = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(os.path.join(ROOT, path)):
            return path
    return None


def check_includes(ranks, verbose):
    errors = []
    graph = {}
    for top in SOURCE_TOPS:
        for source in sources(top):
            folder = layer_folder(source, ranks)
            if folder is None:
                errors.append(f"{source}: its folder is not in the layer table of tools/check-layers.py")
                continue
            with open(os.path.join(ROOT, source), encoding="utf-8", errors="replace") as f:
                text = f.read()
            for match in re.finditer(r'^\s*#\s*include\s+"([^"]+)"', text, re.M):
                target = resolve(source, match.group(1))
                to = layer_folder(target, ranks) if target else None
                if to is None or to == folder:
                    continue
                graph.setdefault(folder, set()).add(to)
                if ranks[to] > ranks[folder]:
                    errors.append(f"{source}: includes {target} of {to}, a layer above {folder}")
    if verbose:
        for folder in sorted(graph, key=lambda f: (ranks[f], f)):
            print(f"{folder} -> {', '.join(sorted(graph[folder], key=lambda f: (ranks[f], f)))}")
    return errors


def cmake_commands(text):
    """(command, arguments) of a CMake list, comments dropped, foreach loops expanded."""
    text = re.sub(r"#[^\n]*", "", text)
    calls = [(m.group(1).lower(), m.group(2).split()) for m in re.finditer(r"(\w+)\s*\(([^)]*)\)", text)]
    out = []
    loop = None
    for command, args in calls:
        if command == "foreach":
            loop = (args[0], args[1:], [])
        elif command == "endforeach" and loop:
            var, items, body = loop
            for item in items:
                out += [(c, [a.replace("${" + var + "}", item) for a in a_]) for c, a_ in body]
            loop = None
        elif loop:
            loop[2].append((command, args))
        else:
            out.append((command, args))
    return out


def check_links(verbose):
    libraries = {lib: rank for rank, (_, lib) in enumerate(LAYERS) if lib}
    defined = []
    links = []
    for top in SOURCE_TOPS + ["CMakeLists.txt"]:
        path = os.path.join(ROOT, top)
        lists = [path] if top.endswith(".txt") else [
            os.path.join(d, "CMakeLists.txt") for d, dirs, _ in os.walk(path)
            if os.path.isfile(os.path.join(d, "CMakeLists.txt"))]
        for cmake in sorted(lists):
            with open(cmake, encoding="utf-8") as f:
                for command, args in cmake_commands(f.read()):
                    if command in ("helvon_library", "add_library") and args:
                        defined.append((args[0], cmake))
                        if command == "helvon_library" and "DEPS" in args:
                            links += [(args[0], dep) for dep in args[args.index("DEPS") + 1:]]
                    elif command == "target_link_libraries" and args:
                        links += [(args[0], dep) for dep in args[1:]
                                  if dep not in ("PUBLIC", "PRIVATE", "INTERFACE")]
    errors = [f"{os.path.relpath(cmake, ROOT)}: library {name} is not in the layer table of tools/check-layers.py"
              for name, cmake in defined if name not in libraries]
    for lib, dep in links:
        if lib in libraries and dep in libraries and libraries[dep] >= libraries[lib]:
            errors.append(f"library {lib} links {dep}, which is not in a lower layer")
    if verbose:
        for lib, dep in sorted(set(links)):
            if lib in libraries and dep in libraries:
                print(f"{lib} => {dep}")
    return errors


def main():
    verbose = "-v" in sys.argv[1:]
    ranks = rank_of_folder()
    errors = check_includes(ranks, verbose) + check_links(verbose)
    for error in errors:
        print(error, file=sys.stderr)
    if errors:
        print(f"== {len(errors)} breaks of the layering (tools/check-layers.py)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
