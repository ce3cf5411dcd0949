"""Dragging the window by its background, as a borderless window offers instead of a title bar."""

import time

import layout
from harness import ChatmockTestCase
from waiting import WaitTimeout, wait_until

DRAG_BY = (60, 40)
TOLERANCE = 1
STUCK_MOVE_LOOK = 0.3


class WindowDragCases(ChatmockTestCase):
    def _assert_drag_moves_window(self, x, y):
        w = self.start_program().activate()
        start = w.geometry()
        w.drag(x, y, *DRAG_BY)
        expected = (start.x + DRAG_BY[0], start.y + DRAG_BY[1])

        def moved_there():
            now = w.geometry()
            close = (abs(now.x - expected[0]) <= TOLERANCE
                     and abs(now.y - expected[1]) <= TOLERANCE)
            return close and now
        try:
            end = wait_until(moved_there, f"the window to move to {expected}", timeout=10)
        except WaitTimeout:
            w.screenshot("after the drag")
            self.fail(f"dragging from ({x}, {y}) by {DRAG_BY} left the window at "
                      f"{w.geometry()}, started at {start}")
        self.assertEqual((end.w, end.h), (start.w, start.h))
        # The move ended with the release: the pointer moving on leaves the
        # window where it was dropped. A window manager still moving it
        # follows the pointer at once, so a short look is enough.
        w.move_mouse(x + DRAG_BY[0] + 30, y + DRAG_BY[1] + 30)
        time.sleep(STUCK_MOVE_LOOK)
        self.assertEqual(w.geometry(), end)
        self.assertTrue(w.is_running())

    def test_drag_on_the_chat_frame_picture_moves_the_window(self):
        self._assert_drag_moves_window(300, 80)

    def test_drag_on_the_notice_line_moves_the_window(self):
        x, y = 20, 578
        self.assertTrue(layout.NOTICE_LINE.x <= x < layout.NOTICE_LINE.right
                        and layout.NOTICE_LINE.y <= y < layout.NOTICE_LINE.bottom)
        self._assert_drag_moves_window(x, y)
