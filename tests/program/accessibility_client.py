# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads and drives the program over AT-SPI, as a screen reader does.

Places weights with real mouse clicks (xdotool) at the places the accessible
items report, presses "Изчисли" through its accessible action and reads the
expression back; then opens the help with F1 and hears what it tells. Prints
what a screen reader reads for every control.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Roles are compared by what they are: their English names change between
# releases of AT-SPI ("push button" became "button").
LIST, TEXT = pyatspi.ROLE_LIST, pyatspi.ROLE_TEXT
BUTTON = pyatspi.ROLE_PUSH_BUTTON
EXPECTED_NAMES = [
    (LIST, "Ляво"), (LIST, "Дясно"), (LIST, "Поставени тежести"),
    (BUTTON, "Изчисли"), (BUTTON, "Изчисти"),
    (pyatspi.ROLE_RADIO_BUTTON, "Измерва"), (pyatspi.ROLE_RADIO_BUTTON, "Избира"),
    (TEXT, "Измервана маса"), (TEXT, "Условие на задачата"),
    (pyatspi.ROLE_IMAGE, "Везна с тежести"), (pyatspi.ROLE_LABEL, "Ляво"),
    (pyatspi.ROLE_LABEL, "Дясно"), (pyatspi.ROLE_LABEL, "Измервана маса"),
    (pyatspi.ROLE_PANEL, "Режим"),
]


def wait_for(what, probe, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = probe()
        if found:
            return found
        # The events the program sends meanwhile are taken in.
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear")


# The changes of name and description the program has told of, as (kind,
# role, name) of the object that changed.
told = []


def hear(event):
    kind = event.type.split(":")[-1]
    told.append((kind, event.source.getRole(), event.source.name))


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kvelmor":
            return app
    return None


def controls(node):
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRole() not in (LIST, TEXT):
            yield from controls(child)


def find(app, role, name):
    for control in controls(app):
        if control.getRole() == role and control.name == name:
            return control
    sys.exit(f"FAIL: no {role} named {name!r}")


def items(listbox):
    return [item.name for item in listbox]


def click_item(listbox, text):
    for item in listbox:
        if item.name == text:
            x, y, w, h = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2),
                            "click", "1"], check=True)
            return
    sys.exit(f"FAIL: no item {text!r} in {listbox.name!r}: {items(listbox)}")


def main():
    app = wait_for("the program", application)
    window = wait_for("the window", lambda: app.childCount and app[0])
    # Listened to once the program is up, so that it hears of the listener.
    pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    print(f"window: {window.getRoleName()} {window.name!r}")
    if window.getRole() != pyatspi.ROLE_FRAME:
        sys.exit("FAIL: the window is not announced as a window")
    for role, name in EXPECTED_NAMES:
        control = find(app, role, name)
        print(f"reads: {control.getRoleName()} {name!r}")
    left, right = find(app, LIST, "Ляво"), find(app, LIST, "Дясно")
    placed = find(app, LIST, "Поставени тежести")
    result = find(app, TEXT, "Измервана маса")
    print(f"reads: left pan items {items(left)}, right pan items {items(right)}")
    if items(left) != ["1", "6", "9"] or items(right) != ["1", "6", "9"]:
        sys.exit("FAIL: the pans do not read 1, 6, 9")

    # A right-pan entry is shown "-6" and read "минус 6".
    for listbox, text, after in ((left, "9", ["9"]), (right, "6", ["9", "минус 6"]),
                                 (left, "1", ["9", "минус 6", "1"])):
        click_item(listbox, text)
        wait_for(f"{after} in the placed list", lambda: items(placed) == after)
    calculate = find(app, BUTTON, "Изчисли")
    action = calculate.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("press") if "press" in names else 0)
    text = result.queryText()
    expression = wait_for("the expression",
                          lambda: text.getText(0, -1) if text.getText(0, -1) else None)
    print(f"reads: result {expression!r}")
    # Assistive technology gets the shown "9 - 6 + 1 = 4" in words.
    if expression != "9 минус 6 плюс 1 равно на 4":
        sys.exit(f"FAIL: the result reads {expression!r}")
    # The placed list told what it holds as it changed: the program hears
    # who listens, so it will tell of the help too.
    wait_for("the placed list's change", lambda: ("accessible-description", LIST,
                                                  "Поставени тежести") in told)

    # A screen reader that is already on the help's list as it opens reads
    # its rows as its description comes. Told of a change of its name, Orca
    # reads it again without them, then takes them as heard.
    subprocess.run(["xdotool", "key", "F1"], check=True)
    wait_for("the help's rows", lambda: ("accessible-description", LIST, "Помощ") in told)
    if ("accessible-name", LIST, "Помощ") in told:
        sys.exit("FAIL: the help's list told of a change of its name as the help opened")
    print("reads: the help's rows, told as the list's description, and no change of its name")
    print("ok: a measurement placed by mouse and calculated by AT-SPI reads 9 минус 6 плюс 1 равно на 4,"
          " and the help tells its rows")


main()
