"""End-to-end harness: the real chatmock in a real X display, driven by real X input.

A case class derives from ChatmockTestCase. Each class gets its own display
(Xvfb at 1280x1024x24 on a free number from :50 up, openbox managing it),
started in setUpClass and torn down even when something fails. Programs a
case starts are stopped after the case, and each case begins with the
pointer parked in the screen's corner.

    class CaptionCases(ChatmockTestCase):
        def test_nickname(self):
            w = self.start_program()          # waits for the painted window
            w.click(200, 15)                  # window-relative points
            w.type_text("小明")
            w.key("Tab")
            shot = w.screenshot("after Tab")
            self.assertGreater(shot.count_dark(Rect(80, 5, 30, 20)), 0)

ChatmockTestCase
    display                      the class's XDisplay
    start_program(args=(), extra_env=None, ready=chat_frame_painted) -> ProgramWindow
                                 controlled environment: DISPLAY, QT_QPA_PLATFORM=xcb,
                                 a fresh XDG_RUNTIME_DIR (0700), LC_ALL=C.UTF-8, proxy and
                                 Qt scaling variables cleared; extra_env overrides
                                 (a value of None removes a variable), e.g.
                                 extra_env={"http_proxy": "http://127.0.0.1:PORT"}
    asset(name) -> Pixels        a file of assets/ decoded by ImageMagick
    keep_shot(label, pixels)     one more picture to save if the case fails
ProgramWindow (program_window.py)
    pid, window_id, is_running(), wait_for_exit(timeout) -> exit code, output(), stop()
    geometry() / outer_geometry() -> Rect on the screen; frame_extents()
    activate(), is_active(), move_to(x, y) (screen point, through the window manager)
    move_mouse(x, y), press(x, y, button=1), release(x=None, y=None, button=1),
    click(x, y, button=1), drag(x, y, dx, dy, steps=6)
    type_text(text), key(*names)   e.g. key("Tab"), key("shift+Tab"), key("ctrl+Escape");
                                 Chinese text is bound to spare keys first (keymap.py)
    screenshot(label=None) -> Pixels in window coordinates
    wait_for_screen(condition, what, timeout=10) -> the first Pixels for which condition holds
XDisplay (x_display.py)
    name (":N"), env(), run(args), screenshot(rect=None), active_window(), screen,
    park_pointer()
Pixels (pixels.py), for screenshots and assets alike
    width, height, rect, pixel(x, y) -> (r, g, b), crop(rect)
    count_dark(rect), count_close(rect, colour, tolerance), contains_close(...),
    all_close(...), is_white(rect, tolerance=0), far_from(...), dark_columns(rect),
    mean_colour(rect), mean_difference(rect, other, other_at=None), differs_from(other, rect)
Rect (geometry.py)               Rect(x, y, w, h), Rect.spanning(left, top, right, bottom),
                                 inset(n), moved(dx, dy), right, bottom, centre
layout.py                        the controls' rectangles by stored name (CONTROLS["编辑框2"])
                                 and by role (TRANSCRIPT, TYPING_AREA, SEND_BUTTON, ...)
waiting.wait_until(condition, what, timeout)   polling with a deadline

Waiting is always polling with a deadline, never a long fixed sleep.

Running: `ctest -L e2e` in a build directory (one ctest entry per test_*.py),
or `/usr/bin/python3 tests/e2e/run_suite.py --program build/chatmock -v [test_captions ...]`.

Configuration, from the environment (run_suite.py sets both from its options):
    CHATMOCK_PROGRAM     the program to run (default: build/chatmock of this repository)
    CHATMOCK_E2E_SHOTS   where the screenshots of failing cases go, one folder per case
                         (default: e2e-shots next to the program)
    CHATMOCK_E2E_KEEP_SHOTS=1  keep them for passing cases too, to look at what they check
A failing case (an expected failure too) leaves there every screenshot it
took, a screenshot of the whole screen at its end, and the programs' output.
"""

import os
import re
import shutil
import unittest

from geometry import Rect
from picture_files import decode_file, write_png
from program_window import ProgramWindow
from x_display import XDisplay

REPOSITORY = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(REPOSITORY, "assets")
# The chat frame's top-right corner: light in the picture, black or empty
# before the window has been painted.
PAINT_PROBE = Rect.spanning(500, 0, 540, 20)
PAINTED_BRIGHTNESS = 100


def program_path():
    return os.environ.get("CHATMOCK_PROGRAM", os.path.join(REPOSITORY, "build", "chatmock"))


def shots_root():
    return os.environ.get("CHATMOCK_E2E_SHOTS",
                          os.path.join(os.path.dirname(program_path()), "e2e-shots"))


def keep_all_shots():
    return os.environ.get("CHATMOCK_E2E_KEEP_SHOTS") == "1"


def chat_frame_painted(shot):
    """The default readiness: the chat-frame picture is on the screen."""
    return min(shot.mean_colour(PAINT_PROBE)) >= PAINTED_BRIGHTNESS


def _safe_file_name(text):
    return re.sub(r"[^\w.-]+", "_", text).strip("_")[:150] or "shot"


class ChatmockTestCase(unittest.TestCase):
    """Base of every end-to-end case class; see the module's docstring."""

    display = None
    _assets = {}

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        if not os.access(program_path(), os.X_OK):
            raise FileNotFoundError(f"no program at {program_path()} (set CHATMOCK_PROGRAM)")
        cls.display = XDisplay()
        cls.addClassCleanup(cls.display.stop)
        cls.display.start()

    def setUp(self):
        super().setUp()
        self._shots = []
        self._programs = []
        # Shots of an earlier failing run would pass for this run's.
        shutil.rmtree(self._shots_folder(), ignore_errors=True)
        # Every case starts with the pointer off the window: a button under
        # a pointer left by the case before would look hovered.
        self.display.park_pointer()

    def tearDown(self):
        # Taken while the programs still run: what the screen showed at the end.
        try:
            self.keep_shot("screen at the end", self.display.screenshot())
        except Exception as error:  # a dead display must not hide the case's own failure
            self._shots.append(("screen at the end failed", None, str(error)))
        self._outputs = [(window.pid, window.output()) for window in self._programs]
        super().tearDown()

    def run(self, result=None):
        result = result if result is not None else self.defaultTestResult()
        problems_before = self._problem_count(result)
        outcome = super().run(result)
        if self._problem_count(result) > problems_before or keep_all_shots():
            self._save_shots()
        return outcome

    @staticmethod
    def _problem_count(result):
        return (len(result.failures) + len(result.errors)
                + len(getattr(result, "expectedFailures", ())))

    # For the cases.

    def start_program(self, args=(), extra_env=None, ready=chat_frame_painted):
        window = ProgramWindow.start(self.display, program_path(), args=args,
                                     extra_env=extra_env, recorder=self.keep_shot, ready=ready)
        self._programs.append(window)
        self.addCleanup(window.stop)
        return window

    def keep_shot(self, label, pixels):
        self._shots.append((label, pixels, None))

    @classmethod
    def asset(cls, name):
        if name not in cls._assets:
            cls._assets[name] = decode_file(os.path.join(ASSETS, name))
        return cls._assets[name]

    # Failure records.

    def _shots_folder(self):
        return os.path.join(shots_root(), _safe_file_name(self.id()))

    def _save_shots(self):
        folder = self._shots_folder()
        os.makedirs(folder, exist_ok=True)
        for index, (label, pixels, error) in enumerate(getattr(self, "_shots", [])):
            stem = os.path.join(folder, f"{index:02d}-{_safe_file_name(label)}")
            if pixels is not None:
                write_png(pixels, stem + ".png")
            else:
                with open(stem + ".txt", "w") as note:
                    note.write(error or "")
        for pid, output in getattr(self, "_outputs", []):
            with open(os.path.join(folder, f"output-{pid}.log"), "w") as log:
                log.write(output)
