#!/usr/bin/python3
"""Reads the GTK game's board as a screen reader does, over AT-SPI on the test's private bus.

Without arguments, prints one line that the window tests compare on every front end:
    5 dice, 15 cells, pressed: Dé 1 : 5; focused: Dé 1 : 5
With --events, prints "ready", then a line for each part that takes the focus ("focus: NAME") and each
new description of the board, where the game tells what happened ("told: TEXT"), until it is ended.
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


def events():
    def focused(event):
        if event.detail1 and event.source is not None:
            print("focus: " + event.source.name, flush=True)

    def described(event):
        if event.source is not None and event.source.getRole() == pyatspi.ROLE_DRAWING_AREA:
            print("told: " + event.source.description.replace("\n", "/"), flush=True)

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(described, "object:property-change:accessible-description")
    print("ready", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    if sys.argv[1:] == ["--events"]:
        events()
    else:
        print(summary())
