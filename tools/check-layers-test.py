#!/usr/bin/env python3
"""The layering check on made-up trees: a tree that keeps the layers passes, and each kind of
break (an include or a link upwards, a cycle of test folders) fails it with its message."""
import os
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check-layers.py")

# A small tree that keeps the layers: the framework, the station link above it, their tests.
GOOD = {
    "CMakeLists.txt": "add_subdirectory(mfc)\n",
    "mfc/CMakeLists.txt": "helvon_library(mfc)\n",
    "mfc/Wnd.h": "#pragma once\n",
    "station/link/CMakeLists.txt": "helvon_library(station_link DEPS mfc)\n",
    "station/link/Port.h": '#include "mfc/Wnd.h"\n',
    "tests/support/CMakeLists.txt": "add_library(test_support STATIC Support.cpp)\n"
                                    "target_link_libraries(test_support PUBLIC mfc)\n",
    "tests/support/Support.h": '#include "mfc/Wnd.h"\n',
    "tests/mfc/CMakeLists.txt": "helvon_test(mfc_test TIMEOUT 60 LIBS mfc)\n",
    "tests/mfc/WndTest.cpp": '#include "Support.h"\n#include "mfc/Wnd.h"\n',
    "tests/station/link/CMakeLists.txt": "helvon_test(station_link_test LIBS station_link)\n",
    "tests/station/link/PortTest.cpp": '#include "station/link/Port.h"\n',
    "tests/app/CMakeLists.txt": "helvon_test(app_test LIBS helvon_app)\n",
    "tests/app/Answer.h": '#include "Support.h"\n',
    "tests/app/dialogs/CMakeLists.txt": "helvon_test(app_dialogs_test LIBS helvon_app)\n"
                                        "target_include_directories(app_dialogs_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/app)\n",
    "tests/app/dialogs/DialogTest.cpp": '#include "Answer.h"\n',
}

# Each break: the files it changes or adds, and a part of the message it must give.
BREAKS = [
    ("a library header including a layer above", {"mfc/Wnd.h": '#include "station/link/Port.h"\n'},
     "a layer above mfc"),
    ("a library linking a layer above", {"mfc/CMakeLists.txt": "helvon_library(mfc DEPS station_link)\n"},
     "library mfc links station_link"),
    ("a test including a layer above what it tests",
     {"tests/mfc/WndTest.cpp": '#include "station/link/Port.h"\n'}, "a layer above what tests/mfc tests"),
    ("a test program linking a layer above what it tests",
     {"tests/mfc/CMakeLists.txt": "helvon_test(mfc_test TIMEOUT 60 LIBS mfc station_link SHARDS 2)\n"},
     "links station_link"),
    ("test folders including each other's headers",
     {"tests/app/Answer.h": '#include "dialogs/Keys.h"\n', "tests/app/dialogs/Keys.h": '#include "../Answer.h"\n'},
     "include each other's headers: tests/app -> tests/app/dialogs -> tests/app"),
    ("a test folder missing from the table", {"tests/newfolder/NewTest.cpp": "\n"}, "not in the test table"),
]


def check(files):
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            path = os.path.join(root, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        result = subprocess.run([sys.executable, CHECK, "--root", root], capture_output=True, text=True)
        return result.returncode, result.stderr


def main():
    failures = 0
    code, output = check(GOOD)
    if code != 0:
        print(f"FAIL the tree that keeps its layers: exit {code}\n{output}")
        failures += 1
    for name, changes, message in BREAKS:
        code, output = check({**GOOD, **changes})
        if code == 0 or message not in output:
            print(f"FAIL {name}: exit {code}, expected a message with \"{message}\"\n{output}")
            failures += 1
    print(f"layer check: {1 + len(BREAKS) - failures} of {1 + len(BREAKS)} made-up trees judged right")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
