#!/usr/bin/env python3
"""Fails when the components of the given source folders include each other
in a cycle.

A component is a header and its source file taken as one (Form1.h with
Form1.cpp); it depends on every component whose header it includes with
#include "folder/File.h", the path from the project's root. A cycle is a
set of two or more components that all reach each other.

Usage: check_component_cycles.py ROOT FOLDER...
Every FOLDER (relative to ROOT) must exist: a folder named here and missing
is an error, never a folder passed over.
"""

import os
import re
import sys

# Cycles known and being taken apart, each the exact set of its components.
# A cycle found that is not listed fails; so does a listed one that is gone,
# so that the list only ever shrinks.
ALLOWED_CYCLES = []

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def component_of(path):
    """The component of a file: its path without the suffix."""
    return os.path.splitext(path)[0].replace(os.sep, "/")


def read_graph(root, folders):
    """Component -> the components it includes, over the given folders."""
    graph = {}
    for folder in folders:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in files:
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(directory, name)
                relative = os.path.relpath(path, root)
                with open(path, encoding="utf-8", errors="replace") as source:
                    included = INCLUDE.findall(source.read())
                node = component_of(relative)
                targets = graph.setdefault(node, set())
                for header in included:
                    if os.path.isfile(os.path.join(root, header)):
                        target = component_of(header)
                        if target != node:
                            targets.add(target)
    return graph


def strongly_connected(graph):
    """Tarjan's components of `graph`, iteratively (no recursion limit)."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for start in graph:
        if start in index:
            continue
        work = [(start, iter(sorted(graph.get(start, ()))))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, successors = work[-1]
            advanced = False
            for successor in successors:
                if successor not in index:
                    index[successor] = low[successor] = counter
                    counter += 1
                    stack.append(successor)
                    on_stack.add(successor)
                    work.append((successor, iter(sorted(graph.get(successor, ())))))
                    advanced = True
                    break
                if successor in on_stack:
                    low[node] = min(low[node], index[successor])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                component = set()
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.add(member)
                    if member == node:
                        break
                found.append(component)
    return found


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root, folders = argv[1], argv[2:]
    missing = [f for f in folders if not os.path.isdir(os.path.join(root, f))]
    if missing:
        print("missing source folders: " + ", ".join(missing), file=sys.stderr)
        return 2

    graph = read_graph(root, folders)
    cycles = [c for c in strongly_connected(graph) if len(c) > 1]
    allowed = [frozenset(c) for c in ALLOWED_CYCLES]
    failed = False
    for cycle in cycles:
        if frozenset(cycle) in allowed:
            continue
        failed = True
        print("component cycle: " + " <-> ".join(sorted(cycle)), file=sys.stderr)
    for entry in allowed:
        if entry not in [frozenset(c) for c in cycles]:
            failed = True
            print("allowed cycle no longer found, remove it from ALLOWED_CYCLES: "
                  + " <-> ".join(sorted(entry)), file=sys.stderr)
    print("%d components in %s, %d cycles" % (len(graph), " ".join(folders), len(cycles)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
