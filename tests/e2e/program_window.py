"""One running chatmock and its window: input at window-relative points, geometry, screenshots."""

import os
import re
import shutil
import tempfile
import time

from geometry import Rect
from processes import start_group, stop_group
from waiting import WaitTimeout, wait_until
from x_tools import XDOTOOL, XPROP, XWININFO, ToolError

# Variables that would let the machine's own settings change what the
# program does: proxies reach the network, the others change scaling,
# platform and input.
CLEARED_VARIABLES = (
    "http_proxy", "https_proxy", "ftp_proxy", "all_proxy", "no_proxy",
    "HTTP_PROXY", "HTTPS_PROXY", "FTP_PROXY", "ALL_PROXY", "NO_PROXY",
    "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME",
    "QT_IM_MODULE", "XMODIFIERS", "WAYLAND_DISPLAY", "SESSION_MANAGER",
)

# Generous: the machine may be busy building while the suite runs, and a
# passing case never waits the whole time.
WINDOW_TIMEOUT = 15.0
EXIT_TIMEOUT = 10.0
SCREEN_TIMEOUT = 10.0
TYPE_DELAY_MS = 20
# Between the steps of a drag: the window manager needs the press before the
# first move, and every move before the release, to follow the pointer.
DRAG_SETTLE = 0.15
DRAG_STEP_PAUSE = 0.03


class ProgramExited(AssertionError):
    """The program ended while a case still wanted its window."""


def program_environment(display, runtime_dir, extra_env=None):
    env = {name: value for name, value in os.environ.items() if name not in CLEARED_VARIABLES}
    env.update({"DISPLAY": display.name, "QT_QPA_PLATFORM": "xcb",
                "XDG_RUNTIME_DIR": runtime_dir, "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"})
    env.update(extra_env or {})
    return {name: value for name, value in env.items() if value is not None}


class ProgramWindow:
    """Made by start(); a case talks to the program only through this."""

    def __init__(self, display, process, workdir, recorder=None):
        self.display = display
        self.process = process
        self.workdir = workdir
        self.window_id = None
        self._recorder = recorder

    @classmethod
    def start(cls, display, program, args=(), extra_env=None, recorder=None, ready=None):
        """Starts program on display and waits for its visible window (and ready(shot), if given).

        extra_env entries override the controlled environment; a value of
        None removes the variable.
        """
        workdir = tempfile.mkdtemp(prefix="chatmock-e2e-run-")
        runtime_dir = os.path.join(workdir, "runtime")
        os.mkdir(runtime_dir, 0o700)
        process = start_group([program, *args],
                              env=program_environment(display, runtime_dir, extra_env),
                              log_path=os.path.join(workdir, "output.log"))
        window = cls(display, process, workdir, recorder)
        try:
            window.window_id = window._wait_for_window()
            if ready is not None:
                wait_until(lambda: ready(window.screenshot(record=False)),
                           "the window to be painted", timeout=WINDOW_TIMEOUT)
        except BaseException:
            window.stop()
            raise
        return window

    def _wait_for_window(self):
        def visible_window():
            if self.process.poll() is not None:
                raise AssertionError(f"the program exited with {self.process.returncode} before "
                                     f"showing a window; its output:\n{self.output()}")
            found = self.display.run([XDOTOOL, "search", "--onlyvisible", "--pid",
                                      str(self.process.pid)], check=False).split()
            return int(found[0]) if found else None
        return wait_until(visible_window, f"a visible window of pid {self.process.pid}",
                          timeout=WINDOW_TIMEOUT)

    # The process.

    @property
    def pid(self):
        return self.process.pid

    def is_running(self):
        return self.process.poll() is None

    def wait_for_exit(self, timeout=EXIT_TIMEOUT):
        """The exit code; raises WaitTimeout when the program is still running after timeout."""
        wait_until(lambda: not self.is_running(), f"pid {self.pid} to exit", timeout=timeout)
        return self.process.returncode

    def _fail_if_exited(self):
        # The case failed, and its message should say how rather than name
        # the X tool that found no window.
        if not self.is_running():
            raise ProgramExited(f"the program exited with {self.process.returncode}; "
                                f"its output:\n{self.output()}")

    def output(self):
        """What the program wrote to stdout and stderr so far."""
        try:
            with open(os.path.join(self.workdir, "output.log"), errors="replace") as log:
                return log.read()
        except OSError:
            return ""

    def stop(self):
        """Ends the program if it still runs; safe to call again."""
        stop_group(self.process)
        shutil.rmtree(self.workdir, ignore_errors=True)

    # The window.

    def geometry(self):
        """The window's place on the screen and its size, as xdotool reports them."""
        try:
            answer = self.display.run([XDOTOOL, "getwindowgeometry", "--shell",
                                       str(self.window_id)])
        except ToolError:
            self._fail_if_exited()
            raise
        values = dict(line.split("=", 1) for line in answer.split() if "=" in line)
        return Rect(int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"]))

    def outer_geometry(self):
        """The geometry of the outermost window holding ours: the window manager's frame."""
        outer = self.window_id
        while True:
            tree = self.display.run([XWININFO, "-tree", "-id", str(outer)])
            root = int(re.search(r"Root window id: (0x[0-9a-fA-F]+)", tree).group(1), 16)
            parent = int(re.search(r"Parent window id: (0x[0-9a-fA-F]+)", tree).group(1), 16)
            if parent == root:
                return self._xwininfo_geometry(outer)
            outer = parent

    def _xwininfo_geometry(self, window_id):
        info = self.display.run([XWININFO, "-id", str(window_id)])

        def field(name):
            return int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))
        return Rect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                    field("Width"), field("Height"))

    def frame_extents(self):
        """_NET_FRAME_EXTENTS (left, right, top, bottom), or None when the manager set none."""
        answer = self.display.run([XPROP, "-id", str(self.window_id), "_NET_FRAME_EXTENTS"],
                                  check=False)
        numbers = re.findall(r"-?\d+", answer.split("=", 1)[-1]) if "=" in answer else []
        return tuple(int(n) for n in numbers) if len(numbers) == 4 else None

    def is_active(self):
        return self.display.active_window() == self.window_id

    def activate(self):
        """Makes this the active window with the keyboard focus, and waits until it is."""
        self.display.run([XDOTOOL, "windowactivate", "--sync", str(self.window_id)], check=False)
        wait_until(self.is_active, f"window {self.window_id} to become active",
                   timeout=SCREEN_TIMEOUT)
        return self

    def move_to(self, x, y):
        """Has the window manager move the window's top-left corner to (x, y) of the screen."""
        self.display.run([XDOTOOL, "windowmove", str(self.window_id), str(x), str(y)])
        wait_until(lambda: self.geometry()[:2] == (x, y), f"the window to move to ({x}, {y})",
                   timeout=SCREEN_TIMEOUT)
        return self

    def screen_point(self, x, y):
        geometry = self.geometry()
        return geometry.x + x, geometry.y + y

    # Input, at points relative to the window's top-left corner.

    def move_mouse(self, x, y):
        sx, sy = self.screen_point(x, y)
        self.display.run([XDOTOOL, "mousemove", str(sx), str(sy)])

    def press(self, x, y, button=1):
        self.move_mouse(x, y)
        self.display.run([XDOTOOL, "mousedown", str(button)])

    def release(self, x=None, y=None, button=1):
        if x is not None:
            self.move_mouse(x, y)
        self.display.run([XDOTOOL, "mouseup", str(button)])

    def click(self, x, y, button=1):
        self.move_mouse(x, y)
        self.display.run([XDOTOOL, "click", str(button)])

    def drag(self, x, y, dx, dy, steps=6, button=1):
        """Presses at (x, y), moves by (dx, dy) in steps, releases where it ended.

        The screen points are fixed at the press: the window may move under
        the pointer while it is dragged.
        """
        sx, sy = self.screen_point(x, y)
        self.display.run([XDOTOOL, "mousemove", str(sx), str(sy)])
        self.display.run([XDOTOOL, "mousedown", str(button)])
        time.sleep(DRAG_SETTLE)
        for step in range(1, steps + 1):
            self.display.run([XDOTOOL, "mousemove", str(sx + dx * step // steps),
                              str(sy + dy * step // steps)])
            time.sleep(DRAG_STEP_PAUSE)
        time.sleep(DRAG_SETTLE)
        self.display.run([XDOTOOL, "mouseup", str(button)])

    def type_text(self, text, delay_ms=TYPE_DELAY_MS):
        """Types text (Chinese too) as key presses to whatever has the keyboard focus."""
        for part in self.display.typable_parts(text):
            self.display.run([XDOTOOL, "type", "--delay", str(delay_ms), "--", part])

    def key(self, *names):
        """Presses and releases each key in turn: "Tab", "shift+Tab", "Escape", "ctrl+Escape"."""
        self.display.run([XDOTOOL, "key", "--", *names])

    # Looking at it.

    def screenshot(self, label=None, record=True):
        """The window as it is on the screen now, in window coordinates.

        Every screenshot a case takes is kept with its label, and saved as a
        PNG when the case fails.
        """
        geometry = self.geometry()
        if geometry.clipped(self.display.screen.w, self.display.screen.h) != geometry:
            # A cut window would shift every window coordinate of the shot.
            raise ValueError(f"the window at {geometry} is not wholly on the screen")
        shot = self.display.screenshot(geometry)
        if record and self._recorder is not None:
            self._recorder(label or "window", shot)
        return shot

    def wait_for_screen(self, condition, what, timeout=SCREEN_TIMEOUT):
        """Screenshots until condition(shot) is true and returns that shot."""
        found = []

        def holds():
            shot = self.screenshot(record=False)
            if condition(shot):
                found.append(shot)
                return True
            return False
        try:
            wait_until(holds, what, timeout=timeout, interval=0.05)
        except WaitTimeout:
            self.screenshot(label=f"timed out: {what}")
            raise
        if self._recorder is not None:
            self._recorder(what, found[0])
        return found[0]
