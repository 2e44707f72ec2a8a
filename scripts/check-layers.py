#!/usr/bin/env python3
"""Checks that the source tree keeps its layers.

- Only the Windows shell (src/app/, any win32/ folder) includes the Windows
  headers; the portable engine reaches the system through src/platform/.
- A portable folder never includes from a Windows one, nor from src/app/.
- Storage (src/persist/) knows nothing of sprites or of the game.
- Photo pages (src/photos/) are built on the designed engine (platform,
  diagnostics, storage, images, the game's catalogue and layout) and nothing
  designed depends on them: only the Windows shell and the tools may use them.
- The player's own pages on the game's screen (src/shelf/) build on the
  whole portable engine, photo pages included; only the Windows shell and
  the tools may use them.
- The folders under src/ include each other without a cycle.
- In the sprite engine and the game (src/sprites/, src/game/) no files call
  each other in a cycle: a file's header and its .cpp are one unit, and a
  unit that includes another's header uses it. So the designed classes
  never depend on the game's additions that they hold and call, nor the
  other way round in a loop.

Prints every breach and exits 1 when there is one.
    check-layers.py [ROOT]     ROOT defaults to this repository
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
WINDOWS_HEADERS = {"windows.h", "mmsystem.h", "ddraw.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
SOURCES = ("*.cpp", "*.h")
# The seam's one bridge: on Windows the engine's few Windows types are the
# real ones, so that values pass to GDI unconverted.
BRIDGES = {("src/platform/win_types.h", "platform/win32/windows_api.h")}
# What the photo pages may build on, and the designed folders that must not
# reach them.
PHOTOS = "src/photos"
SHELF = "src/shelf"
PHOTOS_MAY_USE = {"src/platform", "src/diag", "src/persist", "src/image", "src/game", PHOTOS}
DESIGNED = ("src/platform", "src/diag", "src/persist", "src/image", "src/game", "src/sprites",
            "src/audio")
# Where a cycle of mutual calls between files is a breach.
ACYCLIC_FOLDERS = ("src/sprites/", "src/game/")


def is_shell(folder):
    parts = folder.split("/")
    return "win32" in parts or parts[:2] == ["src", "app"] or parts[:2] == ["tests", "e2e"]


def source_files():
    for top in ("src", "tests", "tools", "bench", "fuzz"):
        for pattern in SOURCES:
            yield from (ROOT / top).rglob(pattern)


def includes(path):
    text = path.read_text(encoding="utf-8", errors="replace")
    return [(kind, name) for kind, name in INCLUDE.findall(text)]


def folder_of(relative):
    return str(pathlib.PurePosixPath(relative).parent)


def unit_of(relative):
    """A file's unit: its path without the extension, so foo.h + foo.cpp."""
    return str(pathlib.PurePosixPath(relative).with_suffix(""))


def add_unit_edges(relative, found, units):
    if not relative.startswith("src/"):
        return
    unit = unit_of(relative)
    targets = units.setdefault(unit, set())
    for kind, name in found:
        if kind == '"' and (ROOT / "src" / name).exists():
            target = unit_of("src/" + name)
            if target != unit:
                targets.add(target)


def check_file(relative, found, graph):
    breaches = []
    folder = folder_of(relative)
    for kind, name in found:
        if kind == "<" and name.lower() in WINDOWS_HEADERS and not is_shell(folder):
            breaches.append(f"{relative}: includes <{name}> outside the Windows shell")
        if kind != '"' or not (ROOT / "src" / name).exists():
            continue
        target = "src/" + folder_of(name)
        if (relative, name) in BRIDGES:
            continue
        if folder.startswith("src/") and not is_shell(folder) and is_shell(target):
            breaches.append(f"{relative}: portable code includes {name}")
        if folder.startswith("src/persist") and target.split("/")[1] in ("sprites", "game"):
            breaches.append(f"{relative}: storage includes {name}")
        if folder == PHOTOS and target not in PHOTOS_MAY_USE:
            breaches.append(f"{relative}: photo pages include {name}")
        if target in (PHOTOS, SHELF) and folder.startswith(DESIGNED) and not is_shell(folder):
            breaches.append(f"{relative}: designed code includes {name}")
        if folder.startswith("src/") and target != folder:
            graph.setdefault(folder, set()).add(target)
    return breaches


def find_cycle(graph):
    """Returns one cycle of folders as a list, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for following in sorted(graph.get(node, ())):
            if state.get(following) == "open":
                return stack[stack.index(following):] + [following]
            if following not in state:
                cycle = visit(following)
                if cycle:
                    return cycle
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            cycle = visit(node)
            if cycle:
                return cycle
    return None


def unit_cycles(units):
    """One cycle (a list that starts and ends with the same unit) for every
    group of units that all reach each other and touch ACYCLIC_FOLDERS, with
    the whole group."""
    index, low, on_stack, stack, groups = {}, {}, set(), [], []
    for root in sorted(units):
        if root in index:
            continue
        # Tarjan's algorithm without recursion: (unit, its remaining edges).
        work = [(root, iter(sorted(units.get(root, ()))))]
        index[root] = low[root] = len(index)
        stack.append(root)
        on_stack.add(root)
        while work:
            unit, edges = work[-1]
            following = next(edges, None)
            if following is not None:
                if following not in index:
                    index[following] = low[following] = len(index)
                    stack.append(following)
                    on_stack.add(following)
                    work.append((following, iter(sorted(units.get(following, ())))))
                elif following in on_stack:
                    low[unit] = min(low[unit], index[following])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[unit])
            if low[unit] == index[unit]:
                group = set()
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    group.add(member)
                    if member == unit:
                        break
                if len(group) > 1:
                    groups.append(group)
    cycles = []
    for group in groups:
        if any(unit.startswith(ACYCLIC_FOLDERS) for unit in group):
            inside = {unit: units[unit] & group for unit in group}
            cycles.append((find_cycle(inside), sorted(group)))
    return cycles


def main():
    breaches = []
    graph = {}
    units = {}
    for path in sorted(source_files()):
        relative = path.relative_to(ROOT).as_posix()
        found = includes(path)
        breaches += check_file(relative, found, graph)
        add_unit_edges(relative, found, units)
    cycle = find_cycle(graph)
    if cycle:
        breaches.append("folders include each other in a cycle: " + " -> ".join(cycle))
    for cycle, group in unit_cycles(units):
        breaches.append(
            "files call each other in a cycle: " + " -> ".join(cycle)
            + f" (all {len(group)} in it: " + ", ".join(group) + ")"
        )
    for breach in breaches:
        print(breach)
    if breaches:
        return 1
    print("layers: ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
