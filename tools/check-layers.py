#!/usr/bin/env python3
"""Checks that the libraries, source folders and test folders keep their layering.

LAYERS lists the layers from the bottom up: the folders of each and the library they form. A
folder may include headers of its own layer and of the layers below it, a library may link only
libraries of lower layers, so a cycle can only arise inside one layer, where the folders are one
library on purpose. Any other include or link, or a library or source folder missing from the
table, fails the check.

TEST_LAYERS gives each test folder the layer of what it tests: its sources may include headers of
that layer and below, and of the test folders of those layers; its test programs may link only
libraries of those layers; and no test folders include each other's headers in a cycle. Tools are
leaves above everything and are not checked.

Run from anywhere: python3 tools/check-layers.py [-v] [--root DIR] (-v also prints the folder
graphs; --root checks another tree, as its own test does)."""
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

# clang-format off
TEST_LAYERS = [
    # test folder                  layer (library) of what it tests
    ("tests/support",              "mfc"),
    ("tests/harness",              "mfc"),
    ("tests/mfc",                  "mfc"),
    ("tests/mfcwin",               "mfc"),
    ("tests/mfcdlg",               "mfc"),
    ("tests/mfcbars",              "mfc"),
    ("tests/station/link",         "station_link"),
    ("tests/station/config",       "station_config"),
    ("tests/uilib/common",         "uilib_common"),
    ("tests/uilib/treelist",       "uilib_treelist"),
    ("tests/uilib/frames",         "uilib_frames"),
    ("tests/uilib/bars",           "uilib_frames"),
    ("tests/grid",                 "grid_factory"),
    ("tests/grid/core",            "grid_factory"),
    ("tests/grid/features",        "grid_factory"),
    ("tests/grid/controls",        "grid_factory"),
    ("tests/grid/formula",         "grid_factory"),
    ("tests/grid/excel",           "grid_factory"),
    ("tests/station/pendix",       "station_pendix"),
    ("tests/station/record",       "station_record"),
    ("tests/app",                  "helvon_app"),
    ("tests/app/dialogs",          "helvon_app"),
    ("tests/app/live",             "helvon_app"),
    ("tests/app/main",             "helvon_app"),
    ("tests/app/print",            "helvon_app"),
    ("tests/app/profiles",         "helvon_app"),
]
# clang-format on

# Top folders whose every source must lie in a folder of the table.
SOURCE_TOPS = ["res", "mfc", "station", "uilib", "grid", "app", "bench"]
# Folders searched for an include that is not beside the including file (as the build does).
INCLUDE_PATH = ["", "mfc", "res"]
SOURCE_SUFFIXES = (".h", ".cpp", ".inl", ".c", ".rc")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEST_TOP = "tests"
# Words of helvon_test that end its list of libraries.
TEST_KEYWORDS = ("TIMEOUT", "RC", "LOCKS", "ENV", "SHARDS", "ARGS", "LIBS")


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


def resolve(source, name, extra=()):
    here = os.path.dirname(source)
    for base in [here] + list(extra) + INCLUDE_PATH:
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


def cmake_lists(top):
    """The CMakeLists.txt files below a top folder (or the one file named)."""
    path = os.path.join(ROOT, top)
    if top.endswith(".txt"):
        return [path] if os.path.isfile(path) else []
    return sorted(os.path.join(d, "CMakeLists.txt") for d, dirs, _ in os.walk(path)
                  if os.path.isfile(os.path.join(d, "CMakeLists.txt")))


def check_links(verbose):
    libraries = {lib: rank for rank, (_, lib) in enumerate(LAYERS) if lib}
    defined = []
    links = []
    for top in SOURCE_TOPS + ["CMakeLists.txt"]:
        for cmake in cmake_lists(top):
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


def find_cycle(graph):
    """A list of nodes forming a cycle of the graph (node -> set of nodes), or None."""
    state = {}

    def visit(node, path):
        state[node] = 1
        path.append(node)
        for to in sorted(graph.get(node, ())):
            if state.get(to) == 1:
                return path[path.index(to):] + [to]
            if to not in state:
                found = visit(to, path)
                if found:
                    return found
        path.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def test_targets():
    """Per test folder: its include folders (from target_include_directories) and the libraries
    its programs link (helvon_test LIBS, target_link_libraries)."""
    folders = {}
    for cmake in cmake_lists(TEST_TOP):
        folder = os.path.relpath(os.path.dirname(cmake), ROOT)
        entry = folders.setdefault(folder, {"includes": [], "links": []})
        with open(cmake, encoding="utf-8") as f:
            commands = cmake_commands(f.read())
        for command, args in commands:
            if command == "helvon_test" and "LIBS" in args:
                rest = args[args.index("LIBS") + 1:]
                for arg in rest:
                    if arg in TEST_KEYWORDS:
                        break
                    entry["links"].append(arg)
            elif command == "target_link_libraries" and args:
                entry["links"] += [a for a in args[1:] if a not in ("PUBLIC", "PRIVATE", "INTERFACE")]
            elif command == "target_include_directories" and args:
                for arg in args[1:]:
                    if arg.startswith("${CMAKE_SOURCE_DIR}/"):
                        entry["includes"].append(arg[len("${CMAKE_SOURCE_DIR}/"):])
                    elif arg == "${CMAKE_CURRENT_SOURCE_DIR}":
                        entry["includes"].append(folder)
    return folders


def check_tests(ranks, verbose):
    libraries = {lib: rank for rank, (_, lib) in enumerate(LAYERS) if lib}
    errors = []
    test_ranks = {}
    for folder, lib in TEST_LAYERS:
        if lib not in libraries:
            errors.append(f"test folder {folder}: no layer {lib} in tools/check-layers.py")
        else:
            test_ranks[folder] = libraries[lib]
    targets = test_targets()
    support = [f for f, _ in TEST_LAYERS if f.endswith("/support")]
    graph = {}
    for source in sources(TEST_TOP):
        folder = layer_folder(source, test_ranks)
        if folder is None:
            errors.append(f"{source}: its folder is not in the test table of tools/check-layers.py")
            continue
        rank = test_ranks[folder]
        own = layer_folder(os.path.dirname(source), {f: 0 for f in targets}) or folder
        extra = targets.get(own, {}).get("includes", []) + support
        with open(os.path.join(ROOT, source), encoding="utf-8", errors="replace") as f:
            text = f.read()
        for match in re.finditer(r'^\s*#\s*include\s+"([^"]+)"', text, re.M):
            target = resolve(source, match.group(1), extra)
            if target is None:
                continue
            to_test = layer_folder(target, test_ranks)
            if to_test is not None:
                if to_test == folder:
                    continue
                graph.setdefault(folder, set()).add(to_test)
                if test_ranks[to_test] > rank:
                    errors.append(f"{source}: includes {target} of {to_test}, which tests a layer above {folder}")
                continue
            to = layer_folder(target, ranks)
            if to is not None and ranks[to] > rank:
                errors.append(f"{source}: includes {target} of {to}, a layer above what {folder} tests")
    cycle = find_cycle(graph)
    if cycle:
        errors.append(f"test folders include each other's headers: {' -> '.join(cycle)}")
    for folder, entry in sorted(targets.items()):
        tested = layer_folder(folder, test_ranks)
        if tested is None:
            continue
        for lib in entry["links"]:
            if lib in libraries and libraries[lib] > test_ranks[tested]:
                errors.append(f"{folder}: its test program links {lib}, a layer above what {tested} tests")
    if verbose:
        for folder in sorted(graph):
            print(f"{folder} -> {', '.join(sorted(graph[folder]))}")
    return errors


def main():
    global ROOT
    args = sys.argv[1:]
    verbose = "-v" in args
    if "--root" in args:
        ROOT = os.path.abspath(args[args.index("--root") + 1])
    ranks = rank_of_folder()
    errors = check_includes(ranks, verbose) + check_links(verbose) + check_tests(ranks, verbose)
    for error in errors:
        print(error, file=sys.stderr)
    if errors:
        print(f"== {len(errors)} breaks of the layering (tools/check-layers.py)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
