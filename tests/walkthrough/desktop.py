"""Drives a running program from outside, as a person at the desktop would:
widgets are found through the accessibility interface (by role and accessible
name) and used with real mouse clicks and key presses sent by xdotool."""

import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


class NotFound(Exception):
    pass


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True,
                          capture_output=True, text=True).stdout


def windows_of_class(name, showing=False):
    """The windows whose class is this one (only those on screen if showing);
    none (xdotool's status 1) while no such window exists yet."""
    found = subprocess.run(["xdotool", "search", *(["--onlyvisible"] if showing else []),
                            "--class", name], capture_output=True, text=True)
    return found.stdout.split() if found.returncode == 0 else []


def _showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except Exception:
        return False


def _walk(node, depth=0):
    yield node
    if depth > 40:
        return
    try:
        count = node.get_child_count()
    except Exception:
        return
    for i in range(count):
        child = node.get_child_at_index(i)
        if child is not None and _showing(child):
            yield from _walk(child, depth + 1)


class App:
    def __init__(self, name, timeout=30):
        self.name = name
        self.root = wait_until(lambda: self._find_app(), timeout,
                               f"the program {name} on the accessibility bus")

    def _find_app(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == self.name:
                return app
        return None

    def widgets(self, role=None, name=None, inside=None):
        found = []
        for node in _walk(inside or self.root):
            try:
                if role and node.get_role_name() != role:
                    continue
                # Grid cells carry the blanks that indent them on screen.
                if name is not None and node.get_name().strip() != name.strip():
                    continue
            except Exception:
                continue
            found.append(node)
        return found

    def find(self, role, name, timeout=10, inside=None):
        """The first showing widget with this role and accessible name."""
        def look():
            found = self.widgets(role, name, inside)
            return found[0] if found else None
        return wait_until(look, timeout, f"{role} '{name}'")

    def gone(self, role, name, timeout=10):
        wait_until(lambda: not self.widgets(role, name), timeout,
                   f"{role} '{name}' to go away")

    def frame_of(self, role, name):
        """The widget that holds the one with this role and name."""
        return self.find(role, name).get_parent()


def wait_until(probe, timeout, what):
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise NotFound(f"waited {timeout} s for {what}")
        time.sleep(0.2)


def centre(widget):
    e = widget.get_extents(Atspi.CoordType.SCREEN)
    return e.x + e.width // 2, e.y + e.height // 2


def click(widget, button=1):
    x, y = centre(widget)
    xdotool("mousemove", "--sync", x, y)
    window = xdotool("getmouselocation", "--shell")
    wid = dict(line.split("=") for line in window.split())["WINDOW"]
    # Without a window manager the window under the pointer is given the
    # keyboard, as a click would give it on a desktop.
    xdotool("windowfocus", "--sync", wid)
    xdotool("click", button)
    time.sleep(0.3)


def type_into(widget, text):
    click(widget)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", 30, text)
    time.sleep(0.2)


def key(*keys):
    xdotool("key", "--delay", 60, *keys)
    time.sleep(0.3)


def text_of(widget):
    t = widget.get_text_iface()
    if t is None:
        return widget.get_name()
    return t.get_text(0, t.get_character_count())
