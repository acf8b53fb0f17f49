#!/usr/bin/env python3
"""Checks that includes between the folders under src/ point downward only.

The folders, from low to high:

    common < components < windowkit < presentation < dataset = analysis < app

A file may include files of its own folder and of lower folders, never of a
higher one. korutext is a library of its own: it includes only common and
itself. src/main.cpp stands on top of everything. A file in a folder that is not
in the table is an error too, so that a new folder gets its place first.

    python3 scripts/check_includes.py              check the tree this script is in
    python3 scripts/check_includes.py --root DIR   check DIR/src
    python3 scripts/check_includes.py --self-test  check the checker on small trees

Exit status 0 when clean, 1 when an include breaks the rule (each one is listed
as file:line with the rule), 2 on a usage error.
"""

import argparse
import os
import re
import sys
import tempfile

LEVELS = {
    "common": 0,
    "components": 1,
    "windowkit": 2,
    "presentation": 3,
    "dataset": 4,
    "analysis": 4,
    "app": 5,
}
# A library of its own: it may include only these folders.
SEPARATE = {"korutext": {"korutext", "common"}}
# Files directly in src/ (main.cpp) stand above every folder.
TOP_LEVEL = max(LEVELS.values()) + 1

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".cpp")


def folder_of(relpath):
    """The first folder of a path relative to src/, or None for files in src/."""
    parts = relpath.replace(os.sep, "/").split("/")
    return parts[0] if len(parts) > 1 else None


def check_include(src_folder, target):
    """The broken rule for an include of target from a file in src_folder, or None."""
    tgt_folder = folder_of(target)
    if tgt_folder is None or (tgt_folder not in LEVELS and tgt_folder not in SEPARATE):
        return None  # not one of the folders (a generated or a moc file)
    if src_folder in SEPARATE:
        if tgt_folder not in SEPARATE[src_folder]:
            allowed = " and ".join(sorted(SEPARATE[src_folder]))
            return f"{src_folder} is a library of its own and may include only {allowed}, not {tgt_folder}"
        return None
    if tgt_folder in SEPARATE:
        return None
    src_level = TOP_LEVEL if src_folder is None else LEVELS[src_folder]
    if LEVELS[tgt_folder] > src_level:
        return f"{src_folder} may not include the higher folder {tgt_folder}"
    return None


def check_tree(src_root):
    """Every broken rule under src_root, as (relative path, line number, message)."""
    problems = []
    for dirpath, dirnames, filenames in os.walk(src_root):
        dirnames.sort()
        for name in sorted(filenames):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, src_root).replace(os.sep, "/")
            folder = folder_of(rel)
            if folder is not None and folder not in LEVELS and folder not in SEPARATE:
                problems.append((rel, 0, f"the folder {folder} has no place in the include order"))
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, start=1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    rule = check_include(folder, m.group(1))
                    if rule:
                        problems.append((rel, number, f'#include "{m.group(1)}": {rule}'))
    return problems


def report(src_root):
    problems = check_tree(src_root)
    for rel, number, message in problems:
        print(f"src/{rel}:{number}: {message}")
    if problems:
        print(f"{len(problems)} include(s) point upward", file=sys.stderr)
        return 1
    return 0


def self_test():
    """Runs the checker on small trees: a clean one, and one bad include of each kind."""
    def tree(files):
        root = tempfile.TemporaryDirectory()
        for rel, text in files.items():
            path = os.path.join(root.name, "src", rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        return root

    clean = {
        "common/Status.h": "#pragma once\n#include <string>\n",
        "components/chart/ChartView.cpp": '#include "common/Status.h"\n#include "components/grid/DataGrid.h"\n',
        "windowkit/ZelWindow.h": '#include "components/chart/ChartView.h"\n',
        "presentation/GraphWindow.cpp": '#include "windowkit/ZelWindow.h"\n#include "ZelVersion.h"\n',
        "dataset/DataSheet.cpp": '#include "presentation/GraphWindow.h"\n#include "analysis/Launch.h"\n',
        "analysis/Launch.cpp": '#include "dataset/Dataset.h"\n#include "x.moc"\n',
        "app/form1.cpp": '#include "analysis/Launch.h"\n#include "korutext/KoruText.h"\n',
        "korutext/KoruText.cpp": '#include "common/Cp932.h"\n#include "korutext/KoruText.h"\n',
        "main.cpp": '#include "app/form1.h"\n',
    }
    bad = [
        ("components/chart/ChartView.cpp", 2, '#include "common/Status.h"\n#include "presentation/GridPrinting.h"\n'),
        ("windowkit/Workspace.h", 1, '#include "dataset/Dataset.h"\n'),
        ("presentation/rgset.cpp", 3, '// x\n\n  #  include "app/form1.h"\n'),
        ("korutext/KoruText.cpp", 1, '#include "components/chart/ChartModel.h"\n'),
        ("gadgets/Thing.cpp", 0, "int x;\n"),
    ]
    failures = []
    with tree(clean) as root:
        got = check_tree(os.path.join(root, "src"))
        if got:
            failures.append(f"clean tree reported {got}")
    for rel, line, text in bad:
        files = dict(clean)
        files[rel] = text
        with tree(files) as root:
            got = check_tree(os.path.join(root, "src"))
            if [(p, n) for p, n, _ in got] != [(rel, line)]:
                failures.append(f"{rel}: expected one problem at line {line}, got {got}")
    for message in failures:
        print("self-test: " + message, file=sys.stderr)
    print("self-test: " + ("failed" if failures else "passed"))
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description="Checks that includes under src/ point downward only.")
    parser.add_argument("--root", help="the source tree to check (default: this script's tree)")
    parser.add_argument("--self-test", action="store_true", help="check the checker on small trees")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    root = args.root or os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    src_root = os.path.join(root, "src")
    if not os.path.isdir(src_root):
        print(f"no src folder in {root}", file=sys.stderr)
        return 2
    return report(src_root)


if __name__ == "__main__":
    sys.exit(main())
