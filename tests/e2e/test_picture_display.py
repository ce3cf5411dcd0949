"""The stored pictures on the screen: the chat frame in 图片框1 and the send button's two looks."""

import layout
from geometry import Rect
from harness import ChatmockTestCase

# Two JPEG decoders (the program's libjpeg settings and ImageMagick's) differ
# by a few levels in some blocks; a picture one pixel off differs by far more.
SAME_PICTURE = 3.0

# Parts of the chat frame that no control covers, each with enough detail
# that a shifted or scaled picture shows.
UNCOVERED_FRAME_AREAS = {
    "window buttons at the top right": Rect.spanning(500, 0, 540, 20),
    "tool icons below the signature": Rect.spanning(80, 46, 390, 80),
    "safety notice above the transcript": Rect.spanning(10, 80, 390, 106),
    "formatting toolbar": Rect.spanning(10, 360, 390, 380),
    "close button row": Rect.spanning(5, 479, 300, 509),
}
# What the picture box shows beyond its 543 x 510 picture.
BOX_BEYOND_PICTURE = {
    "column 543": Rect(543, 0, 1, layout.CHAT_FRAME_BOX.h),
    "rows 510 and 511": Rect(0, 510, layout.CHAT_FRAME_BOX.w, 2),
}


class ChatFramePictureCases(ChatmockTestCase):
    def test_chat_frame_fills_the_top_510_rows(self):
        shot = self.start_program().screenshot("chat frame")
        frame = self.asset("chat_frame.jpg")
        self.assertEqual((frame.width, frame.height), (543, 510))
        for name, area in UNCOVERED_FRAME_AREAS.items():
            with self.subTest(area=name):
                self.assertLessEqual(shot.mean_difference(area, frame), SAME_PICTURE)
                shifted = shot.mean_difference(area, frame, (area.x + 1, area.y + 1))
                self.assertGreater(shifted, 2 * SAME_PICTURE,
                                   "the area is too plain to tell a misplaced picture")

    def test_box_shows_the_button_face_beyond_the_picture(self):
        shot = self.start_program().screenshot("chat frame")
        for name, strip in BOX_BEYOND_PICTURE.items():
            with self.subTest(strip=name):
                self.assertEqual(shot.far_from(strip, layout.BUTTON_FACE, tolerance=0), [])


class SendButtonLookCases(ChatmockTestCase):
    def _closer_to(self, shot, picture, other):
        button = layout.SEND_BUTTON
        mine = shot.mean_difference(button, picture, (0, 0))
        return mine <= SAME_PICTURE and mine < shot.mean_difference(button, other, (0, 0))

    def test_pressed_picture_shows_while_the_button_is_held(self):
        normal = self.asset("send_button.jpg")
        pressed = self.asset("send_button_pressed.jpg")
        w = self.start_program().activate()
        self.assertTrue(self._closer_to(w.screenshot("before the press"), normal, pressed),
                        "the send button does not show its normal picture")
        w.press(*layout.SEND_BUTTON.centre)
        try:
            w.wait_for_screen(lambda shot: self._closer_to(shot, pressed, normal),
                              "the pressed send button")
        finally:
            w.release()
        w.wait_for_screen(lambda shot: self._closer_to(shot, normal, pressed),
                          "the normal send button after the release")
