"""Posting: the send button appends a header line in the speaker's colour and the message in black."""

import layout
from geometry import Rect
from harness import ChatmockTestCase

BLUE = (0, 0, 255)
OWN_GREEN = (0, 128, 32)  # 标签1's stored text colour
BLACK = (0, 0, 0)
# Text is drawn without antialiasing, so its pixels carry the exact colour.
EXACT = 10
ENOUGH_PIXELS = 20

TRANSCRIPT = layout.TRANSCRIPT
LINE_HEIGHT = 14


def line(n):
    """The n-th line of the transcript (0 is the first)."""
    return Rect(TRANSCRIPT.x, TRANSCRIPT.y + n * LINE_HEIGHT, TRANSCRIPT.w, LINE_HEIGHT + 2)


class PostingCases(ChatmockTestCase):
    def _type_into(self, w, rect, text):
        w.click(*rect.centre)
        w.type_text(text)

    def _send(self, w):
        w.click(*layout.SEND_BUTTON.centre)

    def test_each_speaker_posts_in_its_own_colour(self):
        w = self.start_program()
        self._type_into(w, layout.PEER_NICKNAME, "Peer")
        self._type_into(w, layout.OWN_NICKNAME, "Me")
        w.click(layout.PEER_SPEAKS.x + 8, layout.PEER_SPEAKS.centre[1])
        self._type_into(w, layout.TYPING_AREA, "hello there")
        self._send(w)
        shot = w.wait_for_screen(
            lambda s: s.count_close(line(0), BLUE, EXACT) >= ENOUGH_PIXELS
            and s.count_close(line(1), BLACK, EXACT) >= ENOUGH_PIXELS,
            "a blue header and a black message")
        self.assertEqual(shot.count_close(line(0), OWN_GREEN, EXACT), 0)
        self.assertEqual(shot.count_close(line(1), BLUE, EXACT), 0)

        w.click(layout.OWN_SIDE_SPEAKS.x + 8, layout.OWN_SIDE_SPEAKS.centre[1])
        self._send(w)
        shot = w.wait_for_screen(
            lambda s: s.count_close(line(2), OWN_GREEN, EXACT) >= ENOUGH_PIXELS
            and s.count_close(line(3), BLACK, EXACT) >= ENOUGH_PIXELS,
            "a green header and the message again below the first entry")
        self.assertGreaterEqual(shot.count_close(line(0), BLUE, EXACT), ENOUGH_PIXELS)
        # The typed message stays for the next post.
        self.assertGreater(shot.count_dark(layout.TYPING_AREA.inset(2)), 0)
