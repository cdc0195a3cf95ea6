#!/usr/bin/env python3
"""Checks the include lines of the source tree against the program's layers.

Core folders never include a ui/ folder. Among core folders: base uses nothing of ours; puzzle
and prefs use base; app uses base, puzzle and prefs; preview and pdf use base only; output uses
base, puzzle, prefs, preview and pdf. A ui/ folder may use any core folder and its own ui/
folder; only app/ui uses another folder's ui/. The command line uses core folders only. Every
include of our own is folder-qualified ("puzzle/PuzzleRecord.h"), and the folders include each
other in no circle.

    check-layers.py SRC-FOLDER      check the tree; exit 1 and list every fault
    check-layers.py --self-test     show that a bad include and a circle are caught
"""
import os
import re
import sys
import tempfile

CORE = {
    "base": set(),
    "puzzle": {"base"},
    "prefs": {"base"},
    "app": {"base", "puzzle", "prefs"},
    "preview": {"base"},
    "pdf": {"base"},
    "output": {"base", "puzzle", "prefs", "preview", "pdf"},
}
# Headers of ui/ folders that are no windows and that the command line may use.
CLI_UI_HEADERS = {"preview/ui/TGmPrinter.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def allowed(source_folder, target):
    target_folder = os.path.dirname(target)
    if source_folder == target_folder:
        return True
    target_is_ui = target_folder.endswith("/ui")
    if source_folder in CORE:
        return not target_is_ui and target_folder in CORE[source_folder]
    if source_folder == "cli":
        return target_folder in CORE or target in CLI_UI_HEADERS
    if source_folder.endswith("/ui"):
        if not target_is_ui:
            return target_folder in CORE
        return source_folder == "app/ui"
    return False


def find_circle(edges):
    """Returns a list of folders forming a circle, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def check(src):
    ours = set()
    for root, _, names in os.walk(src):
        for name in names:
            if name.endswith((".h", ".cpp")):
                ours.add(os.path.relpath(os.path.join(root, name), src))
    basenames = {os.path.basename(p) for p in ours}
    faults = []
    edges = {}
    for path in sorted(ours):
        folder = os.path.dirname(path)
        with open(os.path.join(src, path), encoding="utf-8") as f:
            text = f.read()
        for target in INCLUDE.findall(text):
            if target not in ours:
                if os.path.basename(target) in basenames:
                    faults.append(f"{path}: \"{target}\" is not folder-qualified")
                continue  # generated (moc, resources) or outside the tree
            target_folder = os.path.dirname(target)
            if target_folder != folder:
                edges.setdefault(folder, set()).add(target_folder)
            if not allowed(folder, target):
                faults.append(f"{path}: {folder}/ may not include {target}")
    circle = find_circle(edges)
    if circle:
        faults.append("circle of folders: " + " -> ".join(circle))
    return faults


def self_test():
    with tempfile.TemporaryDirectory() as src:
        def write(path, text):
            os.makedirs(os.path.dirname(os.path.join(src, path)), exist_ok=True)
            with open(os.path.join(src, path), "w", encoding="utf-8") as f:
                f.write(text)
        write("base/A.h", "#pragma once\n")
        write("puzzle/B.h", '#include "base/A.h"\n')
        write("puzzle/ui/W.h", '#include "puzzle/B.h"\n')
        if check(src):
            print("self-test: a good tree was refused:", check(src))
            return 1
        write("puzzle/C.h", '#include "puzzle/ui/W.h"\n')
        write("base/D.h", '#include "B.h"\n')
        write("app/E.h", '#include "app/ui/F.h"\n')
        write("app/ui/F.h", '#include "app/E.h"\n')
        write("output/G.h", '#include "output/H.h"\n#include "preview/I.h"\n')
        write("preview/I.h", '#include "output/G.h"\n')
        write("output/H.h", "#pragma once\n")
        write("preview/ui/TGmPrinter.h", "#pragma once\n")
        write("preview/ui/TGmPreview.h", "#pragma once\n")
        write("cli/J.cpp", '#include "preview/ui/TGmPrinter.h"\n#include "preview/ui/TGmPreview.h"\n')
        faults = check(src)
        expected = [
            "puzzle/C.h: puzzle/ may not include puzzle/ui/W.h",
            'base/D.h: "B.h" is not folder-qualified',
            "app/E.h: app/ may not include app/ui/F.h",
            "preview/I.h: preview/ may not include output/G.h",
            "cli/J.cpp: cli/ may not include preview/ui/TGmPreview.h",
            "circle of folders",
        ]
        missing = [e for e in expected if not any(f.startswith(e) for f in faults)]
        if any(f.startswith("cli/J.cpp") and "TGmPrinter" in f for f in faults):
            missing.append("the command line's printer was refused")
        if missing:
            print("self-test: not caught:", missing, "\nfaults:", faults)
            return 1
    print("self-test: bad includes and circles are caught")
    return 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    faults = check(sys.argv[1])
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print("layers: every include of", sys.argv[1], "keeps to the layers; no circles")
    return 0


if __name__ == "__main__":
    sys.exit(main())
