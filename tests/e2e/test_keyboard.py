"""Where typing goes, and which keys close the window."""

import layout
from harness import ChatmockTestCase

TYPED = "typed by the e2e suite"
# The caret alone is one column of about a dozen pixels; the typed line has
# several hundred dark pixels.
TYPED_DARK_PIXELS = 150
# Inside a control's border: what its own text and caret paint.
EDIT_INNER_MARGIN = 2


class FirstFocusCases(ChatmockTestCase):
    def test_typing_right_after_start_goes_into_the_transcript(self):
        w = self.start_program().activate()
        before = w.screenshot("before typing")
        self.assertEqual(before.count_dark(layout.TYPING_AREA), 0)
        w.type_text(TYPED)
        after = w.wait_for_screen(
            lambda shot: shot.count_dark(layout.TRANSCRIPT)
            >= before.count_dark(layout.TRANSCRIPT) + TYPED_DARK_PIXELS,
            "typed text in the transcript")
        self.assertEqual(after.count_dark(layout.TYPING_AREA), 0,
                         "typed text also appeared in the typing area")
        # The text starts at the transcript's left edge, where the caret stood.
        self.assertLess(after.dark_columns(layout.TRANSCRIPT)[0], layout.TRANSCRIPT.x + 8)


class EscapeCases(ChatmockTestCase):
    def _type_and_see(self, w, rect, what):
        """Types into the focused control and waits until its text shows inside rect."""
        inner = rect.inset(EDIT_INNER_MARGIN)
        before = w.screenshot(f"before typing into {what}").count_dark(inner)
        w.type_text("abc")
        w.wait_for_screen(lambda shot: shot.count_dark(inner) >= before + 20,
                          f"typed text in {what}")

    def _escape_closes(self, w):
        w.key("Escape")
        self.assertEqual(w.wait_for_exit(), 0, w.output())

    def test_escape_in_the_transcript_exits_with_0(self):
        w = self.start_program().activate()
        self._type_and_see(w, layout.TRANSCRIPT, "the transcript")
        self._escape_closes(w)

    def test_escape_in_the_typing_area_exits_with_0(self):
        w = self.start_program().activate()
        w.click(*layout.TYPING_AREA.centre)
        self._type_and_see(w, layout.TYPING_AREA, "the typing area")
        self._escape_closes(w)

    def test_escape_in_a_nickname_box_exits_with_0(self):
        w = self.start_program().activate()
        w.click(*layout.PEER_NICKNAME.centre)
        self._type_and_see(w, layout.PEER_NICKNAME, "the peer's nickname box")
        self._escape_closes(w)

    def test_escape_on_the_fetch_button_reached_by_tab_exits_with_0(self):
        w = self.start_program().activate()
        button = layout.FETCH_BUTTON
        unfocused = w.screenshot("fetch button without the focus")
        w.key(*["Tab"] * layout.tabs_from_first_focus("按钮1"))
        # The focus frame is the only change a focused button shows.
        w.wait_for_screen(lambda shot: shot.differs_from(unfocused, button),
                          "the fetch button to show the focus")
        self._escape_closes(w)

    def test_escape_with_ctrl_or_shift_leaves_the_window_open(self):
        w = self.start_program().activate()
        for chord in ("ctrl+Escape", "shift+Escape"):
            with self.subTest(chord=chord):
                before = w.screenshot(f"before {chord}").count_dark(layout.TRANSCRIPT)
                w.key(chord)
                # Keys are handled in order: once the text typed after the
                # chord shows, the chord has been handled too.
                w.type_text("ok")
                w.wait_for_screen(
                    lambda shot: shot.count_dark(layout.TRANSCRIPT) >= before + 15,
                    f"text typed after {chord}")
                self.assertTrue(w.is_running(), f"{chord} closed the window")
        self._escape_closes(w)
