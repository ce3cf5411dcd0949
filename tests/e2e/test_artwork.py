"""The chat frame's white areas and the controls over them meet without a seam."""

import layout
from geometry import Rect
from harness import ChatmockTestCase

# Room for the caret at the left edge of the focused transcript.
CARET_MARGIN = 2
# The signature caption paints its black text over the strip from x = 128;
# the strip's right part lies beyond that text.
STRIP_BEYOND_CAPTION = Rect.spanning(240, layout.SIGNATURE_STRIP.y, 490,
                                     layout.SIGNATURE_STRIP.bottom)

WHITE_AREAS = {
    "transcript 超级编辑框1": layout.TRANSCRIPT.inset(CARET_MARGIN),
    "typing area 超级编辑框2": layout.TYPING_AREA.inset(CARET_MARGIN),
    "signature strip 图片框5": STRIP_BEYOND_CAPTION,
}


class WhiteAreaCases(ChatmockTestCase):
    def test_areas_under_the_rich_edits_and_the_strip_are_white(self):
        shot = self.start_program().screenshot("white areas")
        for name, area in WHITE_AREAS.items():
            with self.subTest(area=name):
                off_white = shot.far_from(area, (255, 255, 255), tolerance=0)
                self.assertEqual(off_white[:10], [], f"{len(off_white)} pixels are not white")

    def test_strip_hides_the_frame_behind_it(self):
        # The strip is white whatever the picture holds there, and no
        # border of it shows against the frame around it.
        shot = self.start_program().screenshot("signature strip")
        frame = self.asset("chat_frame.jpg")
        strip = layout.SIGNATURE_STRIP
        for name, edge in {"above": Rect(strip.x, strip.y - 1, strip.w, 1),
                           "below": Rect(strip.x, strip.bottom, strip.w, 1)}.items():
            with self.subTest(edge=name):
                self.assertTrue(shot.is_white(edge, tolerance=12),
                                "the frame around the strip is not white: a seam shows")
                self.assertLessEqual(shot.mean_difference(edge, frame), 3.0)
