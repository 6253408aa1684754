#!/usr/bin/python3
"""The panel as a screen reader meets it, through the real AT-SPI bridge.

Run inside a session bus of its own, from the run directory:
    dbus-run-session -- /usr/bin/python3 atspi_panel.py PROGRAM
It starts a private X server (Qt's offscreen platform loads no AT-SPI
bridge), starts PROGRAM there with the bridge on and, as a pyatspi client,
checks that the panel's accessible name is the number shown; that rolling
sends no name events; that a stop by a click sends one; and that, with the
settings on self mode 0 0 7, a stop by Space sends one and the name reads
"007". Clicks and keys go through the registry, as a screen reader's do.
Finally it closes the window as a window manager would and expects a clean
exit, which is when a leak checker reports. Every wait is bounded, the whole
run to WATCHDOG seconds; the processes it starts die with it.
"""

import ctypes
import os
import re
import select
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WATCHDOG = 30
TITLE = b"Korvel no Numbers"
THREE_DIGITS = re.compile(r"^[0-9]{3}$")
KEYSYM_SPACE = 0x20

failures = []
children = []


def check(ok, what):
    print(("ok      " if ok else "FAILED  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def pump(seconds, until=lambda: False):
    """Runs the event loop for up to SECONDS, or until UNTIL() holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if until():
            return True
        if time.monotonic() >= end:
            return False
        time.sleep(0.01)


def die_with_us():
    """Run in a child before exec: it is killed when this script ends, however."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def start(argv, **options):
    child = subprocess.Popen(argv, preexec_fn=die_with_us, **options)
    children.append(child)
    return child


def start_xvfb():
    """A private X server on a free display; -displayfd tells which."""
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "640x480x24"],
          pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    end = time.monotonic() + 10
    while not number.endswith(b"\n") and time.monotonic() < end:
        ready, _, _ = select.select([read_end], [], [], 0.5)
        if ready:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.strip():
        sys.exit("Xvfb did not start")
    return ":" + number.decode().strip()


class X11:
    """What a window manager does to the panel, through libX11."""

    def __init__(self, display):
        lib = ctypes.cdll.LoadLibrary("libX11.so.6")
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XDefaultRootWindow.restype = ctypes.c_ulong
        lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        lib.XInternAtom.restype = ctypes.c_ulong
        lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        lib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                   ctypes.POINTER(ctypes.c_uint)]
        lib.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                           ctypes.c_long, ctypes.c_long, ctypes.c_int,
                                           ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                           ctypes.POINTER(ctypes.c_int),
                                           ctypes.POINTER(ctypes.c_ulong),
                                           ctypes.POINTER(ctypes.c_ulong),
                                           ctypes.POINTER(ctypes.c_void_p)]
        lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        lib.XFree.argtypes = [ctypes.c_void_p]
        lib.XFlush.argtypes = [ctypes.c_void_p]
        lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.lib = lib
        self.dpy = lib.XOpenDisplay(display.encode())
        if not self.dpy:
            sys.exit("cannot open " + display)

    def name_of(self, window):
        lib = self.lib
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        wm_name = 39  # XA_WM_NAME; Qt writes it as UTF8_STRING, so ask for any type
        if lib.XGetWindowProperty(self.dpy, window, wm_name, 0, 256, 0, 0, ctypes.byref(kind),
                                  ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                  ctypes.byref(data)) != 0 or not data.value:
            return b""
        name = ctypes.string_at(data.value, count.value)
        lib.XFree(data)
        return name

    def window_named(self, title):
        lib = self.lib
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        kids, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        lib.XQueryTree(self.dpy, lib.XDefaultRootWindow(self.dpy), ctypes.byref(root),
                       ctypes.byref(parent), ctypes.byref(kids), ctypes.byref(count))
        found = [kids[i] for i in range(count.value) if self.name_of(kids[i]) == title]
        if kids:
            lib.XFree(kids)
        return found[0] if found else None

    def close(self, window):
        """Sends WM_DELETE_WINDOW, as a window manager's close button does."""

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                        ("pad", ctypes.c_long * 12)]

        lib = self.lib
        message = ClientMessage()
        message.type = 33  # ClientMessage
        message.window = window
        message.message_type = lib.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        message.format = 32
        message.data[0] = lib.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)
        lib.XSendEvent(self.dpy, window, 0, 0, ctypes.byref(message))
        lib.XFlush(self.dpy)

    def disconnect(self):
        self.lib.XCloseDisplay(self.dpy)


def share_display(display):
    """The accessibility bus and its registry, started on demand by the session
    bus, must know the display: the registry makes the synthetic clicks and
    keys there."""
    os.environ["DISPLAY"] = display
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment", GLib.Variant("(a{ss})", ({"DISPLAY": display},)),
                  None, Gio.DBusCallFlags.NONE, 5000, None)


def find_panel(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is None or app.get_process_id() != pid:
                continue
            for window in app:
                if window is not None and window.getRole() == pyatspi.ROLE_LABEL:
                    return app, window
        except GLib.Error:
            pass
    return None, None


def dump(node, depth=0):
    print("  %s%s %r %s" % ("  " * depth, node.getRoleName(), node.name,
                            pyatspi.listInterfaces(node)), flush=True)
    for child in node:
        if child is not None:
            dump(child, depth + 1)


def descendant(root, role, name):
    try:
        return pyatspi.findDescendant(root, lambda o: o is not None and o.getRole() == role
                                      and o.name == name)
    except GLib.Error:
        return None


def activate(node):
    """What a screen reader's "activate" does: the control's first action."""
    node.queryAction().doAction(0)


def run(program, log):
    display = start_xvfb()
    share_display(display)
    global pyatspi
    import pyatspi  # connects to the accessibility bus, so only now

    names = []  # the source of every accessible-name change

    def on_name(event):
        names.append(event.source)

    # Listening first: the bridge sends only what some client listens for.
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    pump(0.2)

    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C", LC_ALL="C", LANGUAGE="")
    panel_process = start([program], env=env, stdout=log, stderr=subprocess.STDOUT)

    found = {}

    def panel_found():
        found["app"], found["panel"] = find_panel(panel_process.pid)
        return found["panel"] is not None

    if not check(pump(15, panel_found), "the panel is in the accessibility tree"):
        return
    app, panel = found["app"], found["panel"]
    dump(app)

    def announced():
        return sum(1 for source in names if source == panel)

    # Rolling: the name follows the number shown, and no event is sent for it.
    seen = set()
    for _ in range(6):
        pump(0.15)
        seen.add(panel.name)
    check(len(seen) > 1 and all(THREE_DIGITS.match(n) for n in seen),
          "while rolling, the name is the number shown: %s" % sorted(seen))
    check(announced() == 0, "while rolling, no name event")

    extents = panel.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = extents.x + extents.width // 2, extents.y + extents.height // 2

    def stop(how, press):
        before = announced()
        press()
        if not check(pump(5, lambda: announced() > before), how + ": a name event arrives"):
            return None
        shown = panel.name
        pump(0.4)  # time for the ticks of a roll that did not stop
        check(announced() == before + 1, how + ": exactly one name event")
        check(panel.name == shown, how + ": the panel stays on " + shown)
        return shown

    def click(button):
        pyatspi.Registry.generateMouseEvent(x, y, button)

    shown = stop("stop by click", lambda: click(pyatspi.MOUSE_B1C))
    check(shown is not None and THREE_DIGITS.match(shown),
          "stop by click: the name is the three digits shown: %r" % shown)
    click(pyatspi.MOUSE_B1C)
    later = set()
    check(pump(3, lambda: later.add(panel.name) or len(later) > 2), "a click rolls again")

    # Self mode on 0 0 7, chosen as a screen reader user would, then Space.
    click(pyatspi.MOUSE_B3C)
    settings = {}

    def settings_shown():
        for window in app:
            if window is not None and window.getRole() == pyatspi.ROLE_DIALOG \
               and window.getState().contains(pyatspi.STATE_SHOWING):
                settings["window"] = window
                return True
        return False

    if not check(pump(5, settings_shown), "a right click shows the settings"):
        return
    window = settings["window"]
    choices = [(pyatspi.ROLE_RADIO_BUTTON, "self mode", None)]
    for group, digit in (("hundreds digit", "0"), ("tens digit", "0"), ("ones digit", "7")):
        choices.append((pyatspi.ROLE_RADIO_BUTTON, digit, group))
    for role, name, group in choices:
        parent = descendant(window, pyatspi.ROLE_PANEL, group) if group else window
        node = descendant(parent, role, name) if parent else None
        if not check(node is not None, "the settings offer %r %s" % (name, group or "")):
            return
        activate(node)
        check(pump(3, lambda: node.getState().contains(pyatspi.STATE_CHECKED)),
              "%r %s is checked" % (name, group or ""))
    activate(descendant(window, pyatspi.ROLE_PUSH_BUTTON, "ok"))
    check(pump(3, lambda: not window.getState().contains(pyatspi.STATE_SHOWING)),
          "ok hides the settings")

    # The pointer rests on the panel; with no window manager the key goes there.
    shown = stop("stop by Space", lambda: pyatspi.Registry.generateKeyboardEvent(
        KEYSYM_SPACE, None, pyatspi.KEY_SYM))
    check(shown == "007", "stop by Space: a screen reader reads 007: %r" % shown)

    box = {}

    def report_shown():
        for top in app:
            button = descendant(top, pyatspi.ROLE_PUSH_BUTTON, "OK") if top is not None else None
            if button is not None:
                box["ok"] = button
                return True
        return False

    if check(pump(5, report_shown), "the report box is shown"):
        activate(box["ok"])
        check(pump(5, lambda: not report_shown()), "OK closes the report box")

    x11 = X11(display)
    window = x11.window_named(TITLE)
    if check(window is not None, "the window keeps its title %r" % TITLE.decode()):
        x11.close(window)
        try:
            code = panel_process.wait(15)
        except subprocess.TimeoutExpired:
            code = None
        check(code == 0, "closing the window ends the program cleanly: exit %s" % code)
    x11.disconnect()


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: atspi_panel.py PROGRAM")
    def give_up(signum, _frame):
        raise TimeoutError("stopped by signal %d (the watchdog is SIGALRM)" % signum)

    signal.signal(signal.SIGTERM, give_up)
    signal.signal(signal.SIGALRM, give_up)
    signal.alarm(WATCHDOG)
    log = tempfile.TemporaryFile()
    try:
        run(os.path.abspath(sys.argv[1]), log)
    except Exception as error:  # a failure like any other, with its cause
        check(False, "%s: %s" % (type(error).__name__, error))
    finally:
        signal.alarm(0)
        for child in reversed(children):
            if child.poll() is None:
                child.kill()
                child.wait()
    if failures:
        log.seek(0)
        sys.stdout.write("program output:\n" + log.read().decode(errors="replace"))
    print("%d failed" % len(failures) if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
