#!/usr/bin/python3
"""An input storm on the real program: random presses, drags, keys and text over its window.

Runs the sanitized build of chatmock in a private X display (the end-to-end
harness's Xvfb and openbox), sends it --events random xdotool events per seed
(no Esc among them), then Esc, and checks that it exits with 0 and that
AddressSanitizer and UndefinedBehaviorSanitizer wrote no report. Fetches go
to a loopback port that refuses connections, so every click on the fetch
button ends at once.

    storm.py --program build/tests/reliability/chatmock_storm_san --seeds 1 2 3 --events 10000
"""

import argparse
import os
import random
import shutil
import socket
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

import layout  # noqa: E402
from geometry import Rect  # noqa: E402
from program_window import ProgramWindow  # noqa: E402
from x_display import SCREEN_HEIGHT, SCREEN_WIDTH, XDisplay  # noqa: E402
from x_tools import XDOTOOL, ToolError  # noqa: E402

# A batch is one xdotool invocation. Text beyond ASCII goes through xdotool's
# type command, which takes every argument after it as text, so it ends a
# batch; ASCII text is sent as key presses and does not.
MAX_BATCH = 60
# Between batches the program gets this long to catch up, so the storm does
# not only fill the X queue.
BATCH_PAUSE = 0.02
KEY_DELAY_MS = 4
TYPE_DELAY_MS = 6
DRAG_STEPS = (2, 6)
DRAG_STEP_PAUSE = "0.005"
# xdotool's click command sleeps after every click; a press and a release do not.
CLICK = ("mousedown", "1", "mouseup", "1")
KEYSYMS = {" ": "space", "%": "percent", "#": "numbersign", ".": "period", "/": "slash",
           "\\": "backslash", '"': "quotedbl", ":": "colon", "-": "minus"}
# The window may wander when the storm drags its background; past this it is
# put back, so that the events keep landing on it.
WANDER_LIMIT = 40
SETTLE_AFTER_MOVE = 0.1
SLOW_CLICK = "0.1"
ACTIVATION_TRIES = 3
SCREEN = Rect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
EXIT_TIMEOUT = 60.0
READY_TIMEOUT = 60.0

# Keys a user presses; no Escape (it closes the window) and no Alt+F4 or
# other window manager bindings. Alt+S is the send button's mnemonic.
KEYS = ("Tab", "shift+Tab", "Return", "KP_Enter", "Left", "Right", "Up", "Down",
        "shift+Left", "shift+Right", "ctrl+Left", "Home", "End", "BackSpace", "Delete",
        "space", "Page_Up", "Page_Down", "ctrl+a", "ctrl+c", "ctrl+x", "ctrl+v", "ctrl+z",
        "ctrl+y", "shift+Home", "shift+End", "Insert", "alt+s", "F1", "a", "Z", "0", "9",
        "comma", "period", "slash", "percent", "numbersign", "ctrl+Return")
WORDS = ("hello", "10001", "20002", "QQ", "a b", "%41%", "#frag", "../..", "\\\\", "\"quoted\"",
         "你好", "对方", "签名", "😀", "𠀀", "x" * 40, "line", "0", "-1", "http://127.0.0.1/")

# Where a user aims: named controls more often than bare background.
TARGETS = tuple(layout.CONTROLS.values())
WHOLE_WINDOW = Rect(0, 0, layout.WINDOW_WIDTH, layout.WINDOW_HEIGHT)


def weighted(rng, table):
    """One key of table, each with its weight."""
    total = sum(table.values())
    pick = rng.uniform(0, total)
    for key, weight in table.items():
        pick -= weight
        if pick <= 0:
            return key
    return key


EVENT_WEIGHTS = {
    "click": 30, "double_click": 6, "right_click": 2, "press_release": 6, "drag": 6,
    "key": 30, "text": 8, "fetch": 3, "send": 5, "caption": 4,
}


class Storm:
    """Random events in window coordinates, turned into xdotool commands at screen points."""

    def __init__(self, rng, origin):
        self.rng = rng
        self.origin = origin

    def point(self):
        """A point on a control (two times in three) or anywhere on the window."""
        if self.rng.random() < 2 / 3:
            area = self.rng.choice(TARGETS)
        else:
            area = WHOLE_WINDOW
        x = area.x + self.rng.randrange(max(1, area.w))
        y = area.y + self.rng.randrange(max(1, area.h))
        return self.screen(x, y)

    def screen(self, x, y):
        return clamped(self.origin[0] + x, self.origin[1] + y)

    def centre_of(self, rect):
        return self.screen(*rect.centre)

    def commands(self, kind):
        """(xdotool arguments, whether they must end the batch) for one event."""
        rng = self.rng
        if kind == "click":
            return ["mousemove", *self.point(), *CLICK], False
        if kind == "double_click":
            return ["mousemove", *self.point(), *CLICK, *CLICK], False
        if kind == "right_click":
            # A context menu may open; the next click elsewhere closes it.
            return ["mousemove", *self.point(), "mousedown", "3", "mouseup", "3"], False
        if kind == "press_release":
            return ["mousemove", *self.point(), "mousedown", "1", "mousemove", *self.point(),
                    "mouseup", "1"], False
        if kind == "drag":
            start = self.point()
            dx, dy = rng.randint(-60, 60), rng.randint(-60, 60)
            steps = rng.randint(*DRAG_STEPS)
            moves = []
            for step in range(1, steps + 1):
                moves += ["mousemove", *clamped(int(start[0]) + dx * step // steps,
                                                int(start[1]) + dy * step // steps),
                          "sleep", DRAG_STEP_PAUSE]
            return ["mousemove", *start, "mousedown", "1", "sleep", DRAG_STEP_PAUSE, *moves,
                    "mouseup", "1"], False
        if kind == "key":
            return ["key", "--delay", str(KEY_DELAY_MS), rng.choice(KEYS)], False
        if kind == "text":
            word = rng.choice(WORDS)
            if word.isascii():
                return ["key", "--delay", str(KEY_DELAY_MS), *(KEYSYMS.get(c, c) for c in word)], False
            return ["type", "--delay", str(TYPE_DELAY_MS), "--", word], True
        if kind == "fetch":
            return ["mousemove", *self.centre_of(layout.FETCH_BUTTON), *CLICK], False
        if kind == "send":
            return ["mousemove", *self.centre_of(layout.SEND_BUTTON), *CLICK], False
        if kind == "caption":
            caption = rng.choice((layout.TITLE_CAPTION, layout.SIGNATURE_CAPTION))
            return ["mousemove", *self.screen(caption.x + rng.randrange(caption.w),
                                              caption.y + rng.randrange(caption.h)), *CLICK], False
        raise ValueError(kind)

    def batch(self, remaining):
        """The arguments of one xdotool call and how many events they hold."""
        args, count = [], 0
        while count < min(MAX_BATCH, remaining):
            more, ends = self.commands(weighted(self.rng, EVENT_WEIGHTS))
            args += more
            count += 1
            if ends:
                break
        return args, count


def refusing_port():
    """A loopback socket that is bound but never listens: connections to it are refused."""
    holder = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    holder.bind(("127.0.0.1", 0))
    return holder


def sanitizer_environment(log_dir, proxy_port, leak_suppressions=None):
    env = {
        "ASAN_OPTIONS": f"halt_on_error=1:detect_leaks=1:log_path={log_dir}/asan",
        "UBSAN_OPTIONS": f"halt_on_error=1:print_stacktrace=1:log_path={log_dir}/ubsan",
        "http_proxy": f"http://127.0.0.1:{proxy_port}",
    }
    if leak_suppressions:
        env["LSAN_OPTIONS"] = f"suppressions={leak_suppressions}:print_suppressions=0"
    return env


def reports_in(log_dir):
    """The text of every non-empty sanitizer log."""
    found = []
    for name in sorted(os.listdir(log_dir)):
        path = os.path.join(log_dir, name)
        with open(path, errors="replace") as log:
            text = log.read()
        if text.strip():
            found.append(f"--- {name}\n{text}")
    return found


def keep_in_place(window, home):
    """Puts the window back where it started when the storm has dragged it away.

    A press on the background hands the move to the window manager, which
    then follows the pointer until it sees the release; when the storm's
    release came first, the window rides along with every later pointer
    move. A slow click on a plain label ends such a move; only then does the
    window go back. No --sync: xdotool would wait for a move the window
    manager may refuse. Returns the window's geometry and whether it had wandered.
    """
    here = window.geometry()
    if abs(here.x - home.x) <= WANDER_LIMIT and abs(here.y - home.y) <= WANDER_LIMIT:
        return here, False
    label = layout.CONTROLS["透明标签4"].centre
    window.display.run([XDOTOOL, "mousemove", *clamped(here.x + label[0], here.y + label[1]),
                        "mousedown", "1", "sleep", SLOW_CLICK, "mouseup", "1", "sleep", SLOW_CLICK,
                        "windowmove", str(window.window_id), str(home.x), str(home.y)], check=False)
    time.sleep(SETTLE_AFTER_MOVE)
    return window.geometry(), True


def clamped(x, y):
    """A screen point as xdotool takes it: on the screen, never negative."""
    return (str(min(max(x, 0), SCREEN.w - 1)), str(min(max(y, 0), SCREEN.h - 1)))


def settle_window_manager(display):
    """A slow click on the bare screen corner, far from the window.

    It ends a move the window manager may still be running for a release
    that came too early (while one runs, openbox activates no window) and
    closes any popup menu the storm opened; the program sees none of it.
    """
    display.run([XDOTOOL, "mousemove", str(SCREEN.w - 1), str(SCREEN.h - 1), "mousedown", "1",
                 "sleep", SLOW_CLICK, "mouseup", "1", "sleep", SLOW_CLICK], check=False)


def activate(window):
    """Makes the window active, settling the window manager first; a few tries."""
    for attempt in range(1, ACTIVATION_TRIES + 1):
        settle_window_manager(window.display)
        try:
            return window.activate()
        except AssertionError:
            if attempt == ACTIVATION_TRIES or not window.is_running():
                raise


def close_with_esc(window, home, seed):
    """Esc on the stormed window; the problems if it does not end with 0."""
    try:
        keep_in_place(window, home)
        activate(window)
        # A click on a plain label first closes any context menu the storm left
        # open, which would otherwise take the Esc for itself.
        window.click(*layout.CONTROLS["透明标签4"].centre)
        window.key("Escape")
        code = window.wait_for_exit(timeout=EXIT_TIMEOUT)
    except ToolError as error:
        return [f"seed {seed}: the window could not be reached for Esc: {error}"]
    except AssertionError as error:
        return [f"seed {seed}: not ended {EXIT_TIMEOUT} s after Esc: {error}"]
    return [] if code == 0 else [f"seed {seed}: exit code {code}"]


def storm_window(window, seed, events):
    """Sends the events, then Esc. Returns the events sent, how often the window was put back
    and the problems found."""
    rng = random.Random(seed)
    try:
        activate(window)
    except AssertionError as error:
        return 0, 0, [f"seed {seed}: the window never became active: {error}"]
    home = window.geometry()
    sent = wanderings = 0
    while sent < events:
        if not window.is_running():
            return sent, wanderings, [f"seed {seed}: the program ended after {sent} events "
                                      f"with {window.process.returncode}"]
        try:
            here, wandered = keep_in_place(window, home)
            wanderings += wandered
            args, count = Storm(rng, (here.x, here.y)).batch(events - sent)
            window.display.run([XDOTOOL, *args])
        except ToolError as error:
            return sent, wanderings, [f"seed {seed}: xdotool failed after {sent} events: {error}"]
        sent += count
        time.sleep(BATCH_PAUSE)
    return sent, wanderings, close_with_esc(window, home, seed)


def run_seed(display, program, seed, events, leak_suppressions=None):
    """Storms one fresh program; returns a list of problems (empty when it held)."""
    log_dir = tempfile.mkdtemp(prefix=f"chatmock-storm-{seed}-")
    holder = refusing_port()
    window = ProgramWindow.start(display, program,
                                 extra_env=sanitizer_environment(log_dir, holder.getsockname()[1],
                                                                 leak_suppressions))
    started = time.monotonic()
    try:
        sent, wanderings, problems = storm_window(window, seed, events)
        print(f"seed {seed}: {sent} events in {time.monotonic() - started:.1f} s, window put back "
              f"{wanderings} times, {'held' if not problems else 'FAILED'}", flush=True)
        if problems:
            problems.append(f"seed {seed}: program output:\n{window.output()}")
            for problem in problems:
                print(problem, file=sys.stderr, flush=True)
    finally:
        window.stop()
        holder.close()
    reports = reports_in(log_dir)
    if reports:
        problems.append(f"seed {seed}: sanitizer reports in {log_dir}:\n" + "\n".join(reports))
    else:
        shutil.rmtree(log_dir, ignore_errors=True)
    return problems


def run_storm(program, seeds, events, leak_suppressions=None):
    """Storms a fresh program per seed in one private display; returns the problems found."""
    display = XDisplay().start()
    problems = []
    try:
        for seed in seeds:
            problems += run_seed(display, program, seed, events, leak_suppressions)
    finally:
        display.stop()
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--seeds", type=int, nargs="+", default=[1])
    parser.add_argument("--events", type=int, default=10000)
    parser.add_argument("--leak-suppressions", default=None,
                        help="a LeakSanitizer suppressions file for the libraries' own leaks")
    options = parser.parse_args()
    problems = run_storm(options.program, options.seeds, options.events, options.leak_suppressions)
    failed_seeds = {problem.split(":")[0] for problem in problems}
    print(f"{len(options.seeds) - len(failed_seeds)} passed, {len(failed_seeds)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
