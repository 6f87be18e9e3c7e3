#!/usr/bin/python3
# Prints, one a line, the accessible names that begin with PREFIX in the running Kestrivo, as a
# screen reader reads them from the accessibility bus (AT-SPI).
#   accessible_names.py PREFIX...
import sys

import pyatspi


def walk(node):
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:  # a widget that went while it was walked
            continue
        if child is not None:
            yield from walk(child)


for app in pyatspi.Registry.getDesktop(0):
    if app is None or app.name != "Kestrivo":
        continue
    for node in walk(app):
        name = node.name or ""
        if any(name.startswith(prefix) for prefix in sys.argv[1:]):
            print(name)
