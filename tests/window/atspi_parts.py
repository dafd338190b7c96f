#!/usr/bin/python3
"""Reads the GTK game's board as a screen reader does, over AT-SPI on the test's private bus.

Without arguments, prints one line that the window tests compare on every front end:
    5 dice, 15 cells, pressed: Dé 1 : 5; focused: Dé 1 : 5
With --focus-events, prints "ready", then the name of each part that takes the focus, one a line, until
it is ended.
"""
import sys

import pyatspi


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for frame in app:
            if frame is not None and frame.name.startswith("Le cinquor"):
                return frame
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def summary():
    frame = game()
    if frame is None:
        return "no game window"
    dice, cells, pressed, focused = 0, 0, [], []
    for node in walk(frame):
        role, states = node.getRole(), node.getState()
        if role == pyatspi.ROLE_TOGGLE_BUTTON and node.name.startswith("Dé "):
            dice += 1
            if states.contains(pyatspi.STATE_PRESSED) or states.contains(pyatspi.STATE_CHECKED):
                pressed.append(node.name)
        if role == pyatspi.ROLE_TABLE_CELL:
            cells += 1
        if states.contains(pyatspi.STATE_FOCUSED) and role != pyatspi.ROLE_FRAME:
            focused.append(node.name)
    return f"{dice} dice, {cells} cells, pressed: {','.join(pressed)}; focused: {','.join(focused)}"


def focus_events():
    def told(event):
        if event.detail1 and event.source is not None:
            print(event.source.name, flush=True)

    pyatspi.Registry.registerEventListener(told, "object:state-changed:focused")
    print("ready", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    if sys.argv[1:] == ["--focus-events"]:
        focus_events()
    else:
        print(summary())
