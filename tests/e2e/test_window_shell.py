"""The main window as the window manager sees it: place, size, no frame, one per process."""

from geometry import Rect
from harness import ChatmockTestCase
from layout import WINDOW_HEIGHT, WINDOW_WIDTH
from waiting import wait_until
from x_display import SCREEN_HEIGHT, SCREEN_WIDTH


class WindowShellCases(ChatmockTestCase):
    def test_window_is_centred_with_its_size_and_no_frame(self):
        w = self.start_program()
        centred = Rect((SCREEN_WIDTH - WINDOW_WIDTH) // 2, (SCREEN_HEIGHT - WINDOW_HEIGHT) // 2,
                       WINDOW_WIDTH, WINDOW_HEIGHT)
        self.assertEqual(w.geometry(), centred)
        # openbox frames every managed window; a frameless one gets a frame
        # exactly as big as the window, with no border or title bar around it.
        self.assertEqual(w.outer_geometry(), centred)
        self.assertIn(w.frame_extents(), (None, (0, 0, 0, 0)))

    def test_two_copies_show_two_windows(self):
        first = self.start_program()
        second = self.start_program()
        self.assertNotEqual(first.pid, second.pid)
        self.assertNotEqual(first.window_id, second.window_id)
        for w in (first, second):
            self.assertTrue(w.is_running())
            self.assertEqual(w.geometry().w, WINDOW_WIDTH)
        # Each copy can become the active window, so both are real, mapped
        # top-level windows and not one window shown twice.
        first.activate()
        second.activate()
        wait_until(second.is_active, "the second copy to be active")
        self.assertTrue(first.is_running())
