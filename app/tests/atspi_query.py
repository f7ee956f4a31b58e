#!/usr/bin/env python3
"""Reads and presses the Ruzdo windows over AT-SPI, as a screen reader would.

  atspi_query.py names            every accessible name in the program
  atspi_query.py press NAME       presses the button (or item) called NAME
  atspi_query.py cells TABLE      the cells of the table called TABLE, a row a line
  atspi_query.py wait REGEX [S]   waits up to S seconds (20) for a name matching
                                  REGEX and prints it
  atspi_query.py children NAME    the names of what NAME holds, one a line
  atspi_query.py where NAME       the screen rectangle of what is called NAME:
                                  x y width height
"""
import re
import sys
import time

import pyatspi


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").lower() == "ruzdo":
                return app
        time.sleep(0.1)
    sys.exit("the program is not on the accessibility bus")


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def find(name):
    for _ in range(50):
        for node in walk(program()):
            if node.name == name:
                return node
        time.sleep(0.1)
    sys.exit(f"nothing called {name!r}")


def main():
    command = sys.argv[1]
    if command == "names":
        for node in walk(program()):
            if node.name:
                print(node.name)
    elif command == "press":
        node = find(sys.argv[2])
        node.queryAction().doAction(0)
    elif command == "cells":
        table = find(sys.argv[2]).queryTable()
        for row in range(table.nRows):
            cells = [table.getAccessibleAt(row, col).name for col in range(table.nColumns)]
            print(" | ".join(cells))
    elif command == "wait":
        pattern = re.compile(sys.argv[2])
        deadline = time.monotonic() + float(sys.argv[3] if len(sys.argv) > 3 else 20)
        while time.monotonic() < deadline:
            for node in walk(program()):
                if node.name and pattern.search(node.name):
                    print(node.name)
                    return
            time.sleep(0.05)
        sys.exit(f"after {sys.argv[3] if len(sys.argv) > 3 else 20} s nothing matches {sys.argv[2]!r}")
    elif command == "children":
        node = find(sys.argv[2])
        for i in range(node.childCount):
            print(node.getChildAtIndex(i).name)
    elif command == "where":
        box = find(sys.argv[2]).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x, box.y, box.width, box.height)
    else:
        sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    main()
