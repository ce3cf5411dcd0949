"""A private X display for a test class: Xvfb on a free number with openbox managing it."""

import os
import re
import shutil
import tempfile

from geometry import Rect
from keymap import KeyBinder
from picture_files import parse_ppm
from processes import start_group, stop_group
from waiting import wait_until
from x_tools import IMPORT, OPENBOX, XDOTOOL, XDPYINFO, XPROP, XVFB, ToolError, run_tool

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 1024
FIRST_DISPLAY = 50
LAST_DISPLAY = 199
SERVER_START_TIMEOUT = 10.0
WM_START_TIMEOUT = 10.0


def _display_taken(number):
    return (os.path.exists(f"/tmp/.X11-unix/X{number}")
            or os.path.exists(f"/tmp/.X{number}-lock"))


class XDisplay:
    """Xvfb :N at 1280x1024x24 with openbox; start() then stop() (stop is safe to repeat)."""

    def __init__(self):
        self.number = None
        self.name = None
        self.workdir = tempfile.mkdtemp(prefix="chatmock-e2e-display-")
        self._server = None
        self._wm = None
        self._keys = None

    # Life cycle.

    def start(self):
        self._start_server()
        self._start_window_manager()
        return self

    def stop(self):
        if self._wm is not None:
            stop_group(self._wm)
            self._wm = None
        if self._server is not None:
            stop_group(self._server)
            self._server = None
        shutil.rmtree(self.workdir, ignore_errors=True)

    def _start_server(self):
        # Another suite may take the same free number at the same moment;
        # the loser's Xvfb exits at once and the next number is tried.
        # -noreset: by default the server resets when its last client leaves
        # (the probe below), and refuses connections for a moment meanwhile.
        for number in range(FIRST_DISPLAY, LAST_DISPLAY + 1):
            if _display_taken(number):
                continue
            server = start_group(
                [XVFB, f":{number}", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
                 "-nolisten", "tcp", "-noreset"],
                env=dict(os.environ), log_path=os.path.join(self.workdir, f"xvfb-{number}.log"))
            self.number, self.name = number, f":{number}"
            if self._wait_for_server(server):
                self._server = server
                return
            stop_group(server)
        raise RuntimeError(f"no free X display between :{FIRST_DISPLAY} and :{LAST_DISPLAY}")

    def _wait_for_server(self, server):
        def answers_or_died():
            if server.poll() is not None:
                return "died"
            try:
                run_tool([XDPYINFO], env=self.env(), timeout=5)
                return "up"
            except ToolError:
                return None
        return wait_until(answers_or_died, f"Xvfb on {self.name}",
                          timeout=SERVER_START_TIMEOUT) == "up"

    def _start_window_manager(self):
        # A configuration home of its own: the user's openbox settings (or what
        # stray input may have made openbox's tools write) never reach a test.
        wm_env = self.env()
        wm_env["XDG_CONFIG_HOME"] = os.path.join(self.workdir, "wm-config")
        os.makedirs(wm_env["XDG_CONFIG_HOME"], exist_ok=True)
        self._wm = start_group([OPENBOX, "--sm-disable"], env=wm_env,
                               log_path=os.path.join(self.workdir, "openbox.log"))

        def managing():
            if self._wm.poll() is not None:
                raise RuntimeError(f"openbox on {self.name} exited with {self._wm.returncode}: "
                                   f"{self._log('openbox.log')}")
            answer = run_tool([XPROP, "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env(),
                              check=False)
            return "window id" in answer
        wait_until(managing, "openbox to manage the display", timeout=WM_START_TIMEOUT)

    def _log(self, name):
        try:
            with open(os.path.join(self.workdir, name), errors="replace") as log:
                return log.read()
        except OSError:
            return ""

    # Using it.

    def env(self, base=None):
        """An environment for X clients of this display (from base, default os.environ)."""
        env = dict(os.environ if base is None else base)
        env["DISPLAY"] = self.name
        return env

    def run(self, args, **kwargs):
        """Runs an X tool against this display and returns its output."""
        return run_tool(args, env=self.env(), **kwargs)

    def park_pointer(self):
        """Puts the pointer in the screen's top-left corner, away from every window."""
        self.run([XDOTOOL, "mousemove", "0", "0"])

    def typable_parts(self, text):
        """text in parts to type one after the other, its characters bound to keys first."""
        if self._keys is None:
            self._keys = KeyBinder(self.env())
        return self._keys.typable_parts(text)

    def screenshot(self, rect=None):
        """The whole screen, or rect of it, as Pixels."""
        shot = parse_ppm(self.run([IMPORT, "-window", "root", "-depth", "8", "ppm:-"], binary=True))
        return shot if rect is None else shot.crop(rect)

    def active_window(self):
        """The id of the window openbox calls active, or None."""
        answer = self.run([XPROP, "-root", "_NET_ACTIVE_WINDOW"], check=False)
        match = re.search(r"window id # (0x[0-9a-fA-F]+)", answer)
        return int(match.group(1), 16) if match else None

    @property
    def screen(self):
        return Rect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
