#!/usr/bin/python3
"""Reads the running program's widgets over the accessibility bus, so that
the end-to-end scripts find a control by what it is instead of by a screen
position measured with one font.

Qt joins the accessibility bus when QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and
an accessibility bus runs on the session bus (e2e_lib.sh starts both).

  widgets.py find STEP...  prints "X Y WIDTH HEIGHT" (screen pixels) of the
                           widget the steps lead to; status 1 when there is
                           none on the screen (yet)
  widgets.py text STEP...  prints the text the widget holds (a text field's)
  widgets.py tree          prints every widget on the screen, indented

A STEP is ROLE, ROLE=NAME (the accessible name exactly) or ROLE~REGEX (a
name the regular expression finds), then optionally #N: the N-th such
widget (from 1; the first by default). The first step looks among the
program's top-level windows, each later one among every widget inside the
widget the step before found, in the order of the widget tree. Roles are
AT-SPI's role names: "frame", "dialog", "filler", "push button",
"menu item", "layered pane", ...; `tree` shows them. Only widgets shown on
the screen count.
"""

import re
import sys

import dbus

APPLICATION = "Quorvin"
ACCESSIBLE = "org.a11y.atspi.Accessible"
COMPONENT = "org.a11y.atspi.Component"
TEXT = "org.a11y.atspi.Text"
PROPERTIES = "org.freedesktop.DBus.Properties"
STATE_SHOWING = 25  # AtspiStateType ATSPI_STATE_SHOWING
SCREEN_COORDINATES = dbus.UInt32(0)
TIMEOUT = 2  # seconds a call may take: a program that does not answer is not waited for


class Widget:
    def __init__(self, bus, name, path):
        self.bus, self.name, self.path = bus, name, path
        self.proxy = bus.get_object(name, path, introspect=False)

    def accessible_name(self):
        return str(self.proxy.Get(ACCESSIBLE, "Name", dbus_interface=PROPERTIES, timeout=TIMEOUT))

    def role(self):
        return str(self.proxy.GetRoleName(dbus_interface=ACCESSIBLE, timeout=TIMEOUT))

    def showing(self):
        low, high = self.proxy.GetState(dbus_interface=ACCESSIBLE, timeout=TIMEOUT)
        states = int(low) | (int(high) << 32)
        return bool(states & (1 << STATE_SHOWING))

    def extents(self):
        box = self.proxy.GetExtents(SCREEN_COORDINATES, dbus_interface=COMPONENT, timeout=TIMEOUT)
        return tuple(int(v) for v in box)

    def text(self):
        return str(self.proxy.GetText(0, -1, dbus_interface=TEXT, timeout=TIMEOUT))

    def children(self):
        return [Widget(self.bus, str(n), str(p))
                for n, p in self.proxy.GetChildren(dbus_interface=ACCESSIBLE, timeout=TIMEOUT)]

    def shown_children(self):
        return [c for c in self.children() if c.showing()]

    def shown_descendants(self):
        for child in self.shown_children():
            yield child
            yield from child.shown_descendants()


def accessibility_bus():
    session = dbus.SessionBus()
    launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    address = launcher.GetAddress(dbus_interface="org.a11y.Bus", timeout=TIMEOUT)
    return dbus.bus.BusConnection(str(address))


def program(bus):
    registry = Widget(bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for application in registry.children():
        if application.accessible_name() == APPLICATION:
            return application
    return None


STEP = re.compile(r"^(?P<role>[^=~#]+)(?:(?P<how>[=~])(?P<name>.*?))?(?:#(?P<nth>[1-9][0-9]*))?$")


def matches(widget, role, how, name):
    if widget.role() != role:
        return False
    if how == "=":
        return widget.accessible_name() == name
    if how == "~":
        return re.search(name, widget.accessible_name()) is not None
    return True


def find(application, steps):
    place = None
    for text in steps:
        step = STEP.match(text)
        if not step:
            raise SystemExit(f"widgets.py: not a step: {text!r}")
        role, how, name = step["role"], step["how"], step["name"]
        nth = int(step["nth"] or 1)
        candidates = application.shown_children() if place is None else place.shown_descendants()
        found = [w for w in candidates if matches(w, role, how, name)]
        if len(found) < nth:
            return None
        place = found[nth - 1]
    return place


def print_tree(widget, depth):
    x, y, width, height = widget.extents()
    print(f"{'  ' * depth}{widget.role()} {widget.accessible_name()!r} at {x} {y} {width}x{height}")
    for child in widget.shown_children():
        print_tree(child, depth + 1)


def main(argv):
    if len(argv) < 2 or argv[1] not in ("find", "text", "tree") or \
            (argv[1] != "tree" and len(argv) < 3):
        raise SystemExit(__doc__)
    try:
        application = program(accessibility_bus())
        if application is None:
            return 1
        if argv[1] == "tree":
            for window in application.shown_children():
                print_tree(window, 0)
            return 0
        widget = find(application, argv[2:])
        if widget is None:
            return 1
        print(widget.text() if argv[1] == "text" else " ".join(map(str, widget.extents())))
        return 0
    except dbus.exceptions.DBusException as error:
        # A window that closes while it is read: not there.
        print(f"widgets.py: {error.get_dbus_message()}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
