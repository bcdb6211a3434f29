# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads callgrind files of key_stages_bench's bursts and prints, for each
burst, the instructions per key spent in each stage of the key's way, and
the allocations per key.

A stage is a set of functions; its cost is what the calls into the set from
outside it cost (their inclusive cost), so a stage's own nested calls are
not counted twice. Stages can lie inside each other (the widget mirror is
called from the edit model), which the indentation shows.
    python3 stage_table.py KEYS FILE...
"""
import re
import sys

# (indent, label, pattern on the demangled function name); the whole is
# the burst's cost divided by its keys (the pauses between keys included)
STAGES = [
    (0, "whole key, settled and painted", r"TypeBurst"),
    (1, "key filter and all it calls", r"^orvo::qt::KeyFilter::eventFilter"),
    (1, "program handlers", r"^orvo::emu::Desktop::DoEvents"),
    (2, "IME", r"^orvo::emu::ImeEmulator::"),
    (2, "edit model", r"^orvo::emu::(EditControlModel|TextBox)::"),
    (1, "widget mirror", r"^orvo::qt::(EditMirror|DocumentPane|CandidateList)::"),
    (1, "cell, mode, status displays", r"^orvo::(qt::FormView|frontend::FormMirror)::Sync"),
    (1, "announcements, accessibility", r"^(orvo::qt::(MainView::Announce|ReaderNotices::|TellReaders)|"
                                        r"orvo::Program::Listen|QAccessible::)"),
    (1, "layout", r"^(QLayout::activate|QPlainTextDocumentLayout::|QWidgetPrivate::setGeometry_sys)"),
    (1, "paint", r"^QWidgetRepaintManager::"),
]
ALLOCATION = re.compile(r"^(malloc|operator new(\[\])?\(unsigned long\)|calloc|realloc)( |$|\()")


def read(path):
    """Returns the call arcs: (caller, callee, calls, inclusive Ir)."""
    arcs = []
    names = {}

    def name(field):
        m = re.match(r"\((\d+)\)(?: (.*))?$", field)
        if not m:
            return field
        if m.group(2) is not None:
            names[m.group(1)] = m.group(2)
        return names.get(m.group(1), field)

    fn = cfn = None
    calls = None
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("fn="):
                fn = name(line[3:])
            elif line.startswith("cfn="):
                cfn = name(line[4:])
            elif line.startswith("calls="):
                calls = int(line[6:].split()[0])
            elif calls is not None and line and (line[0].isdigit() or line[0] in "+-*"):
                parts = line.split()
                ir = int(parts[1]) if len(parts) > 1 else 0
                arcs.append((fn, cfn, calls, ir))
                calls = None
    return arcs


def stage_cost(arcs, pattern):
    inside = re.compile(pattern)
    return sum(ir for caller, callee, _, ir in arcs
               if inside.search(callee or "") and not inside.search(caller or ""))


def allocations(arcs):
    return sum(calls for caller, callee, calls, _ in arcs
               if ALLOCATION.search(callee or "") and not ALLOCATION.search(caller or ""))


def main():
    keys = int(sys.argv[1])
    files = sys.argv[2:]
    bursts = ["plain-empty", "chord-empty", "plain-59k", "chord-59k"]
    table = {}
    for burst, path in zip(bursts, files):
        arcs = read(path)
        table[burst] = [stage_cost(arcs, p) / keys for _, _, p in STAGES] + [allocations(arcs) / keys]
    shown = [b for b in bursts if b in table]
    print("%-34s" % "instructions per key (thousands)" + "".join("%13s" % b for b in shown))
    for i, (indent, label, _) in enumerate(STAGES):
        print("%-34s" % ("  " * indent + label) + "".join("%13.1f" % (table[b][i] / 1000) for b in shown))
    print("%-34s" % "allocations per key" + "".join("%13.1f" % table[b][-1] for b in shown))


if __name__ == "__main__":
    main()
